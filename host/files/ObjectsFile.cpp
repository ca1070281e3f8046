#include "ObjectsFile.h"

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

#include "HostError.h"
#include "ReplaceFile.h"

namespace host {

namespace {

using nlohmann::json;

// A polygon becomes the valid polygon covering the same area; one without area stays as it was,
// since a line in its place would change its type.
bool repairPolygon(GeoObject& object, const GeosContext& geos) {
  const auto isPolygonal = [&](const Geometry& g) {
    const GeoType type = geos.geoType(g);
    return type == GeoType::Polygon || type == GeoType::MultiPolygon;
  };
  if (!isPolygonal(object.geometry)) return false;
  Geometry repaired = geos.madeValid(object.geometry);
  if (!isPolygonal(repaired)) return false;
  object.geometry = std::move(repaired);
  return true;
}

GeoObject objectFromFeature(const json& feature, const GeosContext& geos) {
  const json& properties = feature.at("properties");
  GeoObject object;
  object.id = properties.at("id").get<std::int32_t>();
  object.kennung = properties.at("kennung").get<std::string>();
  object.classCode = properties.at("class").get<std::int32_t>();
  const json& geometry = feature.contains("geometry") ? feature.at("geometry") : json();
  if (!geometry.is_null()) {
    object.geometryJson = geometry.dump();
    object.geometry = geos.fromGeoJson(object.geometryJson);
    repairIfInvalid(object, geos);
  }
  return object;
}

}  // namespace

void repairIfInvalid(GeoObject& object, const GeosContext& geos) {
  // Left invalid, the object would silently drop out of every overlay it takes part in.
  if (auto reason = geos.invalidityReason(object.geometry)) {
    std::cerr << "Objekt " << object.id << " '" << object.kennung << "': ungültige Geometrie (" << *reason
              << "), " << (repairPolygon(object, geos) ? "repariert" : "so belassen") << "\n";
  }
}

ObjectStore loadObjects(const std::filesystem::path& file, const GeosContext& geos) {
  std::ifstream in(file);
  if (!in) throw HostError(file.string() + " lässt sich nicht lesen");
  ObjectStore objects;
  try {
    const json collection = json::parse(in);
    for (const json& feature : collection.at("features")) objects.add(objectFromFeature(feature, geos));
    objects.buildIndex(geos);
  } catch (const json::exception& e) {
    throw HostError(file.filename().string() + " ist fehlerhaft: " + e.what());
  } catch (const HostError& e) {
    throw HostError(file.filename().string() + ": " + e.what());
  }
  return objects;
}

void saveObjects(const std::filesystem::path& file, const ObjectStore& objects) {
  // One feature per line keeps the file readable and its diffs small.
  std::string text = "{\"type\": \"FeatureCollection\", \"features\": [";
  const char* separator = "\n";
  for (const auto& [id, object] : objects.all()) {
    if (object.temporary) continue;
    const json feature = {
        {"type", "Feature"},
        {"properties", {{"id", id}, {"kennung", object.kennung}, {"class", object.classCode}}},
        {"geometry", json::parse(object.geometryJson)}};
    text += separator + feature.dump();
    separator = ",\n";
  }
  text += "\n]}\n";
  replaceFile(file, text);
}

}  // namespace host
