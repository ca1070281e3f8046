#include "SpatialIndex.h"

#include <algorithm>

#include "Host.h"
#include "ObjectStore.h"

namespace host {

namespace {

constexpr std::size_t kNodeCapacity = 10;

void* asItem(std::int32_t id) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(id)); }
std::int32_t asId(const void* item) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(item));
}

bool hasShape(const GeosContext& geos, const GeoObject& object) { return !geos.isEmpty(object.geometry); }

}  // namespace

void SpatialIndex::rebuild(const GeosContext& geos, const std::map<std::int32_t, GeoObject>& objects) {
  GEOSContextHandle_t handle = geos.handle();
  std::unique_ptr<GEOSSTRtree, TreeDeleter> tree(GEOSSTRtree_create_r(handle, kNodeCapacity),
                                                 TreeDeleter{handle});
  if (!tree) throw HostError("Der räumliche Index lässt sich nicht anlegen: " + geos.lastError());
  treeSize_ = 0;
  for (const auto& [id, object] : objects) {
    if (!hasShape(geos, object)) continue;
    // The tree keeps a copy of the envelope, not the geometry.
    GEOSSTRtree_insert_r(handle, tree.get(), object.geometry.get(), asItem(id));
    ++treeSize_;
  }
  tree_ = std::move(tree);
  addedSinceBuild_.clear();
  removedSinceBuild_.clear();
}

bool SpatialIndex::worthRebuilding() const {
  return addedSinceBuild_.size() + removedSinceBuild_.size() > 256 + treeSize_ / 8;
}

void SpatialIndex::added(const GeoObject& object) {
  if (object.geometry) addedSinceBuild_.push_back(object.id);
}

void SpatialIndex::removed(std::int32_t id) {
  std::erase(addedSinceBuild_, id);
  removedSinceBuild_.insert(id);
}

std::vector<std::int32_t> SpatialIndex::candidates(const Geometry& area) const {
  std::vector<std::int32_t> found;
  if (tree_) {
    struct Visit {
      const std::unordered_set<std::int32_t>& removed;
      std::vector<std::int32_t>& found;
    } visit{removedSinceBuild_, found};
    GEOSSTRtree_query_r(
        tree_.get_deleter().handle, tree_.get(), area.get(),
        [](void* item, void* userdata) {
          auto& v = *static_cast<Visit*>(userdata);
          const std::int32_t id = asId(item);
          if (v.removed.count(id) == 0) v.found.push_back(id);
        },
        &visit);
  }
  found.insert(found.end(), addedSinceBuild_.begin(), addedSinceBuild_.end());
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

}  // namespace host
