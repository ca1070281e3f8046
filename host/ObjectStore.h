// The project's geo-objects, by id, by Kennung and by place.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "Geometry.h"
#include "SpatialIndex.h"
#include "TextCase.h"

namespace host {

struct GeoObject {
  std::int32_t id = 0;
  std::string kennung;  // UTF-8
  std::int32_t classCode = 0;
  Geometry geometry;                  // empty: no geometry
  std::string geometryJson = "null";  // as read, so saving does not disturb the file's coordinates
  bool temporary = false;
};

class ObjectStore {
 public:
  // Throws HostError on an id <= 0 or a duplicate id or Kennung.
  void add(GeoObject object);
  bool remove(std::int32_t id);
  const GeoObject* find(std::int32_t id) const;
  const GeoObject* findByKennung(const std::string& kennung) const;
  // Above the largest id, or the first unused one when that is the largest there is; throws
  // HostError when every id is taken.
  std::int32_t nextFreeId() const;
  const std::map<std::int32_t, GeoObject>& all() const { return objects_; }

  // Ids, ascending, of the objects whose envelope meets the area's: a superset of those the area
  // intersects.
  std::vector<std::int32_t> candidatesNear(const GeosContext& geos, const Geometry& area) const;
  void buildIndex(const GeosContext& geos) const { index_.rebuild(geos, objects_); }

 private:
  std::map<std::int32_t, GeoObject> objects_;
  std::map<std::string, std::int32_t> idsByKennung_;
  mutable SpatialIndex index_;  // follows every add and remove; rebuilt when a query finds it worn
};

}  // namespace host
