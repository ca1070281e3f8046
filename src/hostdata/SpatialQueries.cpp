#include "hostdata/SpatialQueries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "platform/HostWindow.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {

int32_t appendFound(int32_t sourceId, IntegerList& result, const std::vector<int32_t>& classes, int32_t mode,
                    double distance) {
  int32_t count = 0;
  try {
    const std::vector<int32_t> found = QueryGeoObjects(sourceId, mode, classes, distance);
    count = static_cast<int32_t>(found.size());
    for (const int32_t id : found) result.add(id);
  } catch (...) {  // callers see the count reached so far, by contract
  }
  return count;
}

// Deletes the temporary object when the area has been read, also when reading failed.
class TempObjectDeletion {
 public:
  explicit TempObjectDeletion(const int32_t& id) : id_(id) {}
  ~TempObjectDeletion() { tlDeleteObject(id_); }
  TempObjectDeletion(const TempObjectDeletion&) = delete;
  TempObjectDeletion& operator=(const TempObjectDeletion&) = delete;

 private:
  const int32_t& id_;
};

void warnIncomplete(int32_t sourceId, int32_t capacity) {
  const std::string taken = std::to_string(capacity);
  platform::ui().showMessage(platform::MessageKind::Warning,
                             std::string("Um das Objekt ") + GetObjectKennung(sourceId) +
                                 " liegen mehr als " + taken + " Objekte; nur die ersten " + taken +
                                 " wurden berücksichtigt.");
}

}  // namespace

std::vector<int32_t> QueryGeoObjects(int32_t sourceId, int32_t mode, const std::vector<int32_t>& classes,
                                     double distance) {
  const TClassFilter filter{static_cast<int32_t>(classes.size()), classes.data()};
  for (int32_t capacity = kQueryCapacity;; capacity = std::min(capacity * 16, kMaxQueryCapacity)) {
    std::vector<int32_t> result(static_cast<std::size_t>(capacity));
    TIdBuffer buffer{capacity, result.data()};
    const int32_t count =
        tlQueryGeoObjects(sourceId, distance, mode, classes.empty() ? nullptr : &filter, &buffer);
    // A count above the capacity cannot have been written; only the buffer's ids are taken.
    result.resize(static_cast<std::size_t>(std::clamp(count, 0, capacity)));
    // The host cannot say that it found more than fit: a full buffer is asked again, larger.
    if (count < capacity) return result;
    if (capacity == kMaxQueryCapacity) {
      warnIncomplete(sourceId, capacity);
      return result;
    }
  }
}

int32_t QueryRelatedObjects(int32_t sourceId, IntegerList& result, int32_t classCode, int32_t mode,
                            double distance) {
  return appendFound(sourceId, result, {classCode}, mode, distance);
}

int32_t QueryRelatedObjectsOfList(int32_t sourceId, IntegerList& result, const IntegerList& classes,
                                  int32_t mode) {
  std::vector<int32_t> classCodes;
  for (int32_t i = 0; i < classes.size(); ++i) classCodes.push_back(classes[i]);
  return appendFound(sourceId, result, classCodes, mode, 0);
}

std::string MakeTempObjectKennung() {
  for (int32_t n = 0; n < std::numeric_limits<int32_t>::max(); ++n) {
    std::string kennung = "TempObj" + std::to_string(n);
    if (tlKennungExists(ToHostText(kennung).c_str()) == 0) return kennung;
  }
  throw LibraryError("Kein freier Name für ein temporäres Objekt");
}

int32_t CreateIntersectionObject(uint32_t wParam, const IntegerList& ids, int32_t classCode,
                                 const std::string& kennung) {
  if (ids.size() > kMaxTempObjectIds) throw LibraryError("Zu viele Objekte für ein temporäres Objekt");
  std::array<int32_t, kMaxTempObjectIds> idArray{};
  for (int32_t i = 0; i < ids.size(); ++i) idArray[static_cast<std::size_t>(i)] = ids[i];
  const std::string hostKennung = ToHostText(kennung);
  TTempObjectRequest request{};
  request.Kind = 3;
  request.Flag = 1;
  request.Kennung = hostKennung.c_str();
  request.ClassCode = classCode;
  request.IdCount = ids.size();
  request.Ids = idArray.data();
  return static_cast<int32_t>(platform::sendMessageToHostWindow(
      tlGetTolvarWindowHandle(), TL_MSG_TEMP_OBJECT, wParam, reinterpret_cast<intptr_t>(&request)));
}

double GetIntersectionArea(int32_t firstId, int32_t secondId, int32_t classCode) {
  double result = -1;
  int32_t tempId = -1;
  const TempObjectDeletion deletion(tempId);
  const std::string name = MakeTempObjectKennung();
  IntegerList ids;
  ids.add(firstId);
  ids.add(secondId);
  if (CreateIntersectionObject(0, ids, classCode, name) > 0) {
    tempId = tlGetIDFromKennung(ToHostText(name).c_str());
    // Scaled back with 0.0001 rather than /10000 (unlike RoundTo4Decimals): the two differ in the
    // last bit for some areas.
    if (tempId > 0) result = std::nearbyint(tlGetObjectArea(tempId) * 10000) * 0.0001;
    // An area that is no finite number cannot be told, like one the host could not make.
    if (!std::isfinite(result)) result = -1;
  }
  return result;
}

}  // namespace aggregate
