#include "Spatial.h"

#include <algorithm>
#include <cmath>

namespace host {

std::optional<std::vector<std::int32_t>> queryNeighbours(
    const ObjectStore& objects, const GeosContext& geos, std::int32_t sourceId, double distance,
    std::int32_t mode, const std::optional<std::vector<std::int32_t>>& classes) {
  const GeoObject* source = objects.find(sourceId);
  if (mode != 0 || !std::isfinite(distance) || source == nullptr || geos.isEmpty(source->geometry)) {
    return std::nullopt;
  }
  const Geometry area = geos.buffered(source->geometry, distance);
  std::vector<std::int32_t> found;
  if (geos.isEmpty(area)) return found;
  const GeosContext::Prepared prepared(geos, area);
  for (std::int32_t id : objects.candidatesNear(geos, area)) {
    const GeoObject& object = *objects.find(id);
    if (id == sourceId) continue;
    if (classes && std::find(classes->begin(), classes->end(), object.classCode) == classes->end()) continue;
    if (prepared.intersects(object.geometry)) found.push_back(id);
  }
  return found;
}

std::optional<GeoObject> intersectionObject(const ObjectStore& objects, const GeosContext& geos,
                                            const std::vector<std::int32_t>& ids, const std::string& kennung,
                                            std::int32_t classCode) {
  std::vector<const Geometry*> parts;
  for (std::int32_t id : ids) {
    const GeoObject* object = objects.find(id);
    if (object == nullptr || !object->geometry) return std::nullopt;
    parts.push_back(&object->geometry);
  }
  Geometry intersection = geos.intersectionOf(parts);
  if (geos.isEmpty(intersection)) return std::nullopt;
  GeoObject result;
  result.id = objects.nextFreeId();
  result.kennung = kennung;
  result.classCode = classCode;
  result.geometryJson = geos.toGeoJson(intersection);
  result.geometry = std::move(intersection);
  result.temporary = true;
  return result;
}

}  // namespace host
