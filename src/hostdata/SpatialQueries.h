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

// Ids the host finds for the source object, in the host's order; no class restriction when
// classes is empty. Empty when the host fails. A buffer of 1024 ids that comes back full is
// offered again, larger, up to kMaxQueryCapacity; beyond that the user is warned, naming the object.
std::vector<int32_t> QueryGeoObjects(int32_t sourceId, int32_t mode, const std::vector<int32_t>& classes,
                                     double distance);
// Appends the ids found for one class; returns their number. Failures are swallowed.
int32_t QueryRelatedObjects(int32_t sourceId, IntegerList& result, int32_t classCode, int32_t mode,
                            double distance);
// The same for several classes (none: every class) at distance 0.
int32_t QueryRelatedObjectsOfList(int32_t sourceId, IntegerList& result, const IntegerList& classes,
                                  int32_t mode);

// "TempObj" + the first n from 0 up whose Kennung the host does not know.
std::string MakeTempObjectKennung();
// Asks the host's main window to build an object from the listed objects (at most 1001);
// a result above 0 means the host made it.
int32_t CreateIntersectionObject(uint32_t wParam, const IntegerList& ids, int32_t classCode,
                                 const std::string& kennung);
// Area in hectares that the two objects share, rounded to 4 decimals; -1 when the host made no
// temporary object. The temporary object is deleted again on every path.
double GetIntersectionArea(int32_t firstId, int32_t secondId, int32_t classCode);

}  // namespace aggregate
