#include "boundary/BusyFlag.h"

namespace aggregate {

bool BusyFlag = false;

}  // namespace aggregate
