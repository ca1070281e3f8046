#pragma once
#include "platform/UserInterface.h"

namespace aggregate {

// Fills every selected Massnahme anew from the BT, FT and FP objects lying on it; refused, silently,
// while BusyFlag is set.
void AggregateSelectedMassnahmen(platform::UserInterface& ui);

}  // namespace aggregate
