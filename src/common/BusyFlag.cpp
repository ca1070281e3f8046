#include "common/BusyFlag.h"

namespace aggregate {

bool BusyFlag = false;

}  // namespace aggregate
