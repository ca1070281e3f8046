#include "measures/MeasureRun.h"

#include "boundary/LibraryError.h"

namespace aggregate {

void AggregateSelectedMeasures() { throw LibraryError("Aggregation noch nicht verfügbar"); }
void FindSelectedMAS(const TObjectInfo*) {}

}  // namespace aggregate
