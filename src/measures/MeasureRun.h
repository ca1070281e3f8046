#pragma once
#include "boundary/TolvarApi.h"

namespace aggregate {

// The measure aggregation command, guarded by BusyFlag.
void AggregateSelectedMeasures();
// Iteration callback that collects the selection for the measure aggregation.
void FindSelectedMAS(const TObjectInfo* info);

}  // namespace aggregate
