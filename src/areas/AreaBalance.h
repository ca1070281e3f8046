#pragma once

namespace aggregate {

// The area balance command on the active object, guarded by BusyFlag.
void BalanceAreasOfActiveObject();

}  // namespace aggregate
