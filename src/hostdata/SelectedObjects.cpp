#include "hostdata/SelectedObjects.h"

#include "hostdata/HostText.h"

namespace aggregate {

namespace {

// The list being filled while the host iterates; none otherwise.
std::vector<SelectedObject>* collecting = nullptr;

class CollectingScope {
 public:
  explicit CollectingScope(std::vector<SelectedObject>& objects) { collecting = &objects; }
  ~CollectingScope() { collecting = nullptr; }
  CollectingScope(const CollectingScope&) = delete;
  CollectingScope& operator=(const CollectingScope&) = delete;
};

}  // namespace

std::vector<SelectedObject> CollectSelection(const char* callbackExport) {
  std::vector<SelectedObject> objects;
  const CollectingScope scope(objects);
  tlIterateObjects(0, "aggregate.dll", callbackExport);
  return objects;
}

void CollectSelectedObject(const TObjectInfo* info) {
  if (collecting == nullptr || info == nullptr) return;
  // The record is the host's and valid during this call only.
  collecting->push_back({info->ObjectID, info->ClassCode, FromHostText(info->Kennung)});
}

}  // namespace aggregate
