// Spatial questions the plug-in asks: neighbours of an object and the intersection of objects.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ObjectStore.h"

namespace host {

// Ids, ascending, of the objects whose geometry intersects the source geometry buffered by distance
// metres (negative shrinks, so -0.1 leaves out neighbours that only touch), restricted to the given
// classes (none: all). The source itself is never included. nullopt when the source is unknown or
// has no geometry, or the mode is not 0.
std::optional<std::vector<std::int32_t>> queryNeighbours(
    const ObjectStore& objects, const GeosContext& geos, std::int32_t sourceId, double distance,
    std::int32_t mode, const std::optional<std::vector<std::int32_t>>& classes);

// The intersection of the objects' geometries as a temporary object, or nullopt when an object is
// unknown or has no geometry, or the intersection fails or is empty.
std::optional<GeoObject> intersectionObject(const ObjectStore& objects, const GeosContext& geos,
                                            const std::vector<std::int32_t>& ids, const std::string& kennung,
                                            std::int32_t classCode);

}  // namespace host
