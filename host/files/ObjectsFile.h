// objects.geojson: a FeatureCollection; each feature has properties id (int > 0), kennung (text),
// class (int) and a geometry in a projected metre grid, or null.
#pragma once

#include <filesystem>

#include "ObjectStore.h"

namespace host {

inline constexpr const char* kObjectsFileName = "objects.geojson";

ObjectStore loadObjects(const std::filesystem::path& file, const GeosContext& geos);
// An invalid polygon is repaired as on loading, and named on standard error.
void repairIfInvalid(GeoObject& object, const GeosContext& geos);
// Leaves temporary objects out. Writes a sibling file first and renames it over the old one.
void saveObjects(const std::filesystem::path& file, const ObjectStore& objects);

}  // namespace host
