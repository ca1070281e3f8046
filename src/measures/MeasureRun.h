#pragma once
#include "contract/TolvarApi.h"

namespace aggregate {

// The measure aggregation command: refused while BusyFlag is set, which it holds for the run.
void AggregateSelectedMeasures();
// Iteration callback that collects the selection for the run; outside a run it does nothing.
void FindSelectedMAS(const TObjectInfo* info);

}  // namespace aggregate
