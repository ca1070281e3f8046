#include "Geometry.h"

#include "Host.h"

namespace host {

Geometry::Geometry(const GeosContext& context, GEOSGeometry* raw) : raw_(raw, Deleter{context.handle()}) {
  if (raw == nullptr) throw HostError("Geometrieoperation fehlgeschlagen: " + context.lastError());
}

namespace {

void recordError(const char* message, void* userdata) { *static_cast<std::string*>(userdata) = message; }

template <typename Handle, typename Destroy>
auto owned(GEOSContextHandle_t h, Handle* p, Destroy destroy) {
  auto deleter = [h, destroy](Handle* q) { destroy(h, q); };
  return std::unique_ptr<Handle, decltype(deleter)>(p, deleter);
}

struct GeosString {
  GEOSContextHandle_t handle;
  char* text;
  ~GeosString() { GEOSFree_r(handle, text); }
};

}  // namespace

GeosContext::GeosContext() : handle_(GEOS_init_r()) {
  if (handle_ == nullptr) throw HostError("GEOS lässt sich nicht starten");
  GEOSContext_setErrorMessageHandler_r(handle_, recordError, &lastError_);
}

GeosContext::~GeosContext() { GEOS_finish_r(handle_); }

Geometry GeosContext::take(GEOSGeometry* raw, const char* what) const {
  if (raw == nullptr) throw HostError(std::string(what) + ": " + lastError_);
  return Geometry(*this, raw);
}

Geometry GeosContext::fromGeoJson(const std::string& json) const {
  auto reader = owned(handle_, GEOSGeoJSONReader_create_r(handle_), GEOSGeoJSONReader_destroy_r);
  return take(GEOSGeoJSONReader_readGeometry_r(handle_, reader.get(), json.c_str()),
              "ungültige GeoJSON-Geometrie");
}

Geometry GeosContext::fromWkt(const std::string& wkt) const {
  auto reader = owned(handle_, GEOSWKTReader_create_r(handle_), GEOSWKTReader_destroy_r);
  return take(GEOSWKTReader_read_r(handle_, reader.get(), wkt.c_str()), "ungültige WKT-Geometrie");
}

std::string GeosContext::toGeoJson(const Geometry& g) const {
  auto writer = owned(handle_, GEOSGeoJSONWriter_create_r(handle_), GEOSGeoJSONWriter_destroy_r);
  GeosString text{handle_, GEOSGeoJSONWriter_writeGeometry_r(handle_, writer.get(), g.get(), -1)};
  if (text.text == nullptr)
    throw HostError("Geometrie lässt sich nicht als GeoJSON schreiben: " + lastError_);
  return text.text;
}

GeoType GeosContext::geoType(const Geometry& g) const {
  if (!g || isEmpty(g)) return GeoType::None;
  switch (GEOSGeomTypeId_r(handle_, g.get())) {
    case GEOS_POINT:
    case GEOS_MULTIPOINT:
      return GeoType::Point;
    case GEOS_LINESTRING:
    case GEOS_LINEARRING:
    case GEOS_MULTILINESTRING:
      return GeoType::Line;
    case GEOS_POLYGON:
      return GeoType::Polygon;
    case GEOS_MULTIPOLYGON:
      return GeoType::MultiPolygon;
    default:
      return GeoType::None;
  }
}

double GeosContext::areaSquareMetres(const Geometry& g) const {
  double area = 0;
  if (!g || GEOSArea_r(handle_, g.get(), &area) == 0) return 0;
  return area;
}

double GeosContext::areaHectares(const Geometry& g) const {
  const GeoType type = geoType(g);
  return type == GeoType::Polygon || type == GeoType::MultiPolygon ? areaSquareMetres(g) / 10000.0 : 0.0;
}

bool GeosContext::isEmpty(const Geometry& g) const { return !g || GEOSisEmpty_r(handle_, g.get()) == 1; }

std::optional<std::string> GeosContext::invalidityReason(const Geometry& g) const {
  if (!g || GEOSisValid_r(handle_, g.get()) == 1) return std::nullopt;
  GeosString reason{handle_, GEOSisValidReason_r(handle_, g.get())};
  return reason.text != nullptr ? std::string(reason.text) : std::string("invalid");
}

Geometry GeosContext::madeValid(const Geometry& g) const {
  // The structured method unions the shells and takes the holes out of them, so overlapping parts
  // of a multipolygon count once and a bow tie keeps both its loops; the line-work method would
  // cut the overlap out instead.
  GEOSMakeValidParams* params = GEOSMakeValidParams_create_r(handle_);
  GEOSMakeValidParams_setMethod_r(handle_, params, GEOS_MAKE_VALID_STRUCTURE);
  GEOSMakeValidParams_setKeepCollapsed_r(handle_, params, 0);
  GEOSGeometry* valid = GEOSMakeValidWithParams_r(handle_, g.get(), params);
  GEOSMakeValidParams_destroy_r(handle_, params);
  return take(valid, "Geometrie lässt sich nicht reparieren");
}

Geometry GeosContext::buffered(const Geometry& g, double distance) const {
  if (distance == 0) return take(GEOSGeom_clone_r(handle_, g.get()), "Geometrie lässt sich nicht kopieren");
  return take(GEOSBuffer_r(handle_, g.get(), distance, 8), "Puffer um die Geometrie fehlgeschlagen");
}

Geometry GeosContext::intersectionOf(const std::vector<const Geometry*>& parts) const {
  if (parts.empty()) return {};
  Geometry result =
      take(GEOSGeom_clone_r(handle_, parts.front()->get()), "Geometrie lässt sich nicht kopieren");
  for (std::size_t i = 1; i < parts.size(); ++i) {
    GEOSGeometry* next = GEOSIntersection_r(handle_, result.get(), parts[i]->get());
    if (next == nullptr) return {};
    result = Geometry(*this, next);
  }
  return result;
}

GeosContext::Prepared::Prepared(const GeosContext& context, const Geometry& g)
    : handle_(context.handle()), prepared_(GEOSPrepare_r(handle_, g.get())) {
  if (prepared_ == nullptr) throw HostError("Geometrie lässt sich nicht vorbereiten: " + context.lastError());
}

GeosContext::Prepared::~Prepared() { GEOSPreparedGeom_destroy_r(handle_, prepared_); }

bool GeosContext::Prepared::intersects(const Geometry& other) const {
  return GEOSPreparedIntersects_r(handle_, prepared_, other.get()) == 1;
}

}  // namespace host
