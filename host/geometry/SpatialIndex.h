// Envelope index of the objects' geometries (a GEOS STRtree) that names the candidates of a spatial
// query. A packed STRtree takes no inserts once built, so objects added later wait in a short list
// and removed ones are filtered out until the next rebuild.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>

#include "Geometry.h"

namespace host {

struct GeoObject;

class SpatialIndex {
 public:
  void rebuild(const GeosContext& geos, const std::map<std::int32_t, GeoObject>& objects);
  bool built() const { return static_cast<bool>(tree_); }
  // Whether enough has changed since the last rebuild that queries pay more than a rebuild.
  bool worthRebuilding() const;

  void added(const GeoObject& object);
  void removed(std::int32_t id);

  // Ids, ascending and each once, of the objects whose envelope meets the area's envelope.
  std::vector<std::int32_t> candidates(const Geometry& area) const;

 private:
  struct TreeDeleter {
    GEOSContextHandle_t handle;
    void operator()(GEOSSTRtree* tree) const { GEOSSTRtree_destroy_r(handle, tree); }
  };
  std::unique_ptr<GEOSSTRtree, TreeDeleter> tree_;
  std::size_t treeSize_ = 0;
  std::vector<std::int32_t> addedSinceBuild_;
  std::unordered_set<std::int32_t> removedSinceBuild_;
};

}  // namespace host
