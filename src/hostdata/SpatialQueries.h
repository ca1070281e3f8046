#pragma once
// Spatial questions put to the host: objects in spatial relation to an object, and the area two
// objects share (the host builds a temporary object from them on request).
#include <cstdint>
#include <string>
#include <vector>

#include "common/IntegerList.h"

namespace aggregate {

inline constexpr int32_t kQueryCapacity = 1024;
inline constexpr int32_t kMaxQueryCapacity = 1 << 20;
inline constexpr int32_t kMaxTempObjectIds = 1001;

// How many ids a query appended, and whether it could hand over all the host found: a buffer
// of 1024 ids that comes back full is offered again, larger, up to kMaxQueryCapacity.
struct QueryCount {
  int32_t found = 0;
  bool complete = true;
};

// Appends the ids the host finds in relation to the source object (query mode 0), of these
// classes (none: every class), in the host's order; duplicates stay. A host that fails finds
// nothing.
QueryCount QueryRelatedObjects(int32_t sourceId, IntegerList& result, const std::vector<int32_t>& classes,
                               double distance);

// "TempObj" + the first n from 0 up whose Kennung the host does not know.
std::string MakeTempObjectKennung();
// Asks the host's main window to build an object of the class from the listed objects (at most
// 1001); a result above 0 means the host made it.
int32_t CreateIntersectionObject(const IntegerList& ids, int32_t classCode, const std::string& kennung);
// Area in hectares that the two objects share, rounded to 4 decimals; -1 when the host made no
// temporary object (of tempObjectClass) or its area is no finite number. The temporary object is
// deleted again on every path.
double GetIntersectionArea(int32_t firstId, int32_t secondId, int32_t tempObjectClass);

}  // namespace aggregate
