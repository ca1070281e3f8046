#pragma once
#include <cstdint>

#include "platform/UserInterface.h"

namespace aggregate {

// The area balance command on the active object: only for BK, GB and FSN objects, and not
// while BusyFlag is set; holds BusyFlag for the whole run.
void BalanceAreasOfActiveObject(platform::UserInterface& ui);

// Completes the hectare and percentage figures of every BtypHtyp row of the active object,
// warns in one message about rows without area and unbalanced sums, then writes the sums.
void CalculateAreaBalance(int32_t objectId, int32_t classCode, platform::UserInterface& ui);

// Percentage points by which the sums may fall short of the total: 10 for BK, 2 otherwise.
int32_t GetAreaTolerance(int32_t classCode);

}  // namespace aggregate
