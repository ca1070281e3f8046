#include "areas/AreaBalance.h"

#include "boundary/LibraryError.h"

namespace aggregate {

void BalanceAreasOfActiveObject() { throw LibraryError("Flächenbilanz noch nicht verfügbar"); }

}  // namespace aggregate
