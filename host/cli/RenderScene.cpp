#include "RenderScene.h"

#include <algorithm>
#include <limits>

#include "ClassCodes.h"
#include "Geometry.h"
#include "Session.h"
#include "Spatial.h"

namespace tolvar {

namespace {

// The distance the measure aggregation queries with: neighbours that only touch stay out.
constexpr double kQueryDistance = -0.1;

MapPath pathOf(GEOSContextHandle_t handle, const GEOSGeometry* lineOrRing, bool closed) {
  MapPath path;
  path.closed = closed;
  const GEOSCoordSequence* sequence = GEOSGeom_getCoordSeq_r(handle, lineOrRing);
  unsigned int size = 0;
  if (sequence == nullptr || GEOSCoordSeq_getSize_r(handle, sequence, &size) == 0) return path;
  for (unsigned int i = 0; i < size; ++i) {
    MapPoint point;
    GEOSCoordSeq_getXY_r(handle, sequence, i, &point.x, &point.y);
    path.points.push_back(point);
  }
  return path;
}

void appendShape(GEOSContextHandle_t handle, const GEOSGeometry* g, MapShape& shape) {
  switch (GEOSGeomTypeId_r(handle, g)) {
    case GEOS_POLYGON: {
      shape.push_back(pathOf(handle, GEOSGetExteriorRing_r(handle, g), true));
      const int holes = GEOSGetNumInteriorRings_r(handle, g);
      for (int i = 0; i < holes; ++i)
        shape.push_back(pathOf(handle, GEOSGetInteriorRingN_r(handle, g, i), true));
      break;
    }
    case GEOS_LINESTRING:
    case GEOS_LINEARRING:
      shape.push_back(pathOf(handle, g, false));
      break;
    case GEOS_MULTIPOLYGON:
    case GEOS_MULTILINESTRING:
    case GEOS_GEOMETRYCOLLECTION: {
      const int parts = GEOSGetNumGeometries_r(handle, g);
      for (int i = 0; i < parts; ++i) appendShape(handle, GEOSGetGeometryN_r(handle, g, i), shape);
      break;
    }
    default:
      break;  // points are drawn as find sites, not as shapes
  }
}

MapShape shapeOf(const host::GeosContext& geos, const host::Geometry& g) {
  MapShape shape;
  if (g) appendShape(geos.handle(), g.get(), shape);
  return shape;
}

MapPoint pointOnSurface(const host::GeosContext& geos, const host::Geometry& g) {
  MapPoint point;
  const host::Geometry inside(geos, GEOSPointOnSurface_r(geos.handle(), g.get()));
  if (!geos.isEmpty(inside)) {
    GEOSGeomGetX_r(geos.handle(), inside.get(), &point.x);
    GEOSGeomGetY_r(geos.handle(), inside.get(), &point.y);
  }
  return point;
}

std::string joinedCodes(const std::vector<host::Row>& rows) {
  std::string codes;
  for (const host::Row& row : rows) codes += (codes.empty() ? "" : "/") + row.value("Biotoptyp");
  return codes;
}

FindSite siteOf(const host::Host& host, const host::GeosContext& geos, const host::GeoObject& object) {
  FindSite site;
  site.kennung = object.kennung;
  site.plants = object.classCode == host::kClassFP;
  site.at = pointOnSurface(geos, object.geometry);
  for (const host::Row& row : host.rows(object.kennung, site.plants ? "Pflanzenliste" : "Tierliste"))
    site.species.push_back(row.value(site.plants ? "Pflanzenart" : "Tierart"));
  return site;
}

bool isFindSite(const host::GeoObject& object) {
  return object.classCode == host::kClassFT || object.classCode == host::kClassFP;
}

// A measure lists the species its aggregation wrote; any other object those of the find sites on it.
void addSpeciesRows(const host::Host& host, RenderScene& scene) {
  if (scene.className != "MAS") {
    for (const FindSite& site : scene.sites) {
      for (const std::string& species : site.species)
        scene.speciesRows.push_back((site.plants ? "Pflanze: " : "Tier: ") + species + " (" + site.kennung +
                                    ")");
    }
    return;
  }
  for (const host::Row& row : host.rows(scene.kennung, "PlanungRelArten")) {
    const std::string animal = row.value("PlanRel_T_Art");
    scene.speciesRows.push_back(animal.empty() ? "Pflanze: " + row.value("PlanRel_P_Art")
                                               : "Tier: " + animal);
  }
}

}  // namespace

RenderScene collectRenderScene(host::Host& host, const std::string& kennung) {
  host::Session& session = host.session();
  const host::GeosContext& geos = session.geos();
  const host::GeoObject& object = session.requireObject(kennung);
  if (!object.geometry || geos.isEmpty(object.geometry)) {
    throw host::HostError("'" + kennung + "' hat keine Geometrie, die sich zeichnen ließe");
  }
  RenderScene scene;
  scene.kennung = kennung;
  scene.className = host::className(object.classCode);
  scene.hectares = geos.areaHectares(object.geometry);
  scene.outline = shapeOf(geos, object.geometry);
  scene.anchor = pointOnSurface(geos, object.geometry);
  // A find site drawn on its own shows as a site; its point has no outline.
  if (isFindSite(object)) scene.sites.push_back(siteOf(host, geos, object));

  const auto& objects = session.project().objects;
  const auto found = host::queryNeighbours(objects, geos, object.id, kQueryDistance, 0, std::nullopt);
  for (const std::int32_t id : found.value_or(std::vector<std::int32_t>{})) {
    const host::GeoObject& other = *objects.find(id);
    if (other.classCode == host::kClassBT) {
      BiotopPiece piece;
      piece.kennung = other.kennung;
      piece.code = joinedCodes(host.rows(other.kennung, "BtypHtyp"));
      piece.whole = shapeOf(geos, other.geometry);
      const host::Geometry onObject =
          scene.hectares > 0 ? geos.intersectionOf({&object.geometry, &other.geometry}) : host::Geometry();
      const host::Geometry& drawn = onObject ? onObject : other.geometry;
      piece.onObject = shapeOf(geos, drawn);
      piece.labelAt = pointOnSurface(geos, drawn);
      piece.hectares = onObject ? geos.areaHectares(onObject) : geos.areaHectares(other.geometry);
      piece.share = scene.hectares > 0 ? piece.hectares / scene.hectares * 100 : 0;
      scene.biotopes.push_back(std::move(piece));
    } else if (isFindSite(other)) {
      scene.sites.push_back(siteOf(host, geos, other));
    } else {
      scene.others.push_back({other.kennung, shapeOf(geos, other.geometry)});
    }
  }

  for (const host::Row& row : host.rows(kennung, "BtypHtyp")) {
    if (row.value("Biotoptyp") == "OZ") {
      scene.hasSpeciesCarrier = true;
      continue;
    }
    scene.biotopRows.push_back({row.value("Biotoptyp"), row.value("FLAECHE"), row.value("Flaechenanteil")});
  }
  addSpeciesRows(host, scene);
  return scene;
}

std::pair<MapPoint, MapPoint> extentOf(const RenderScene& scene) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  MapPoint low{inf, inf};
  MapPoint high{-inf, -inf};
  const auto include = [&](const MapPoint& p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  };
  for (const MapPath& path : scene.outline)
    for (const MapPoint& p : path.points) include(p);
  for (const BiotopPiece& piece : scene.biotopes)
    for (const MapPath& path : piece.onObject)
      for (const MapPoint& p : path.points) include(p);
  for (const FindSite& site : scene.sites) include(site.at);
  include(scene.anchor);
  return {low, high};
}

}  // namespace tolvar
