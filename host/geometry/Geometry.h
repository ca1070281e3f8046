// GEOS through its reentrant C API, with every handle owned by an RAII object.
#pragma once

#include <geos_c.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {

class GeosContext;

// Owns one GEOS geometry; empty when the object has no geometry.
class Geometry {
 public:
  Geometry() = default;
  Geometry(const GeosContext& context, GEOSGeometry* raw);  // takes ownership; throws if raw is null
  Geometry(Geometry&&) noexcept = default;
  Geometry& operator=(Geometry&&) noexcept = default;

  explicit operator bool() const { return static_cast<bool>(raw_); }
  const GEOSGeometry* get() const { return raw_.get(); }

 private:
  struct Deleter {
    GEOSContextHandle_t handle;
    void operator()(GEOSGeometry* g) const { GEOSGeom_destroy_r(handle, g); }
  };
  std::unique_ptr<GEOSGeometry, Deleter> raw_;
};

// Geometry type codes as the host API reports them.
enum class GeoType : std::int32_t { None = 0, Point = 1, Line = 2, Polygon = 3, MultiPolygon = 14 };

class GeosContext {
 public:
  GeosContext();
  ~GeosContext();
  GeosContext(const GeosContext&) = delete;
  GeosContext& operator=(const GeosContext&) = delete;

  GEOSContextHandle_t handle() const { return handle_; }

  // Parsers throw HostError with GEOS's message.
  Geometry fromGeoJson(const std::string& json) const;
  Geometry fromWkt(const std::string& wkt) const;
  std::string toGeoJson(const Geometry& g) const;

  GeoType geoType(const Geometry& g) const;
  double areaSquareMetres(const Geometry& g) const;
  // Hectares for polygon types (3 and 14), 0 for every other geometry.
  double areaHectares(const Geometry& g) const;
  bool isEmpty(const Geometry& g) const;
  // Why the geometry is invalid (e.g. "Self-intersection[5 5]"); nullopt when it is valid.
  std::optional<std::string> invalidityReason(const Geometry& g) const;
  // A valid geometry covering the same points (GEOS MakeValid).
  Geometry madeValid(const Geometry& g) const;
  // distance 0 keeps the geometry as it is (a zero buffer would erase points and lines).
  Geometry buffered(const Geometry& g, double distance) const;
  // Intersection of all geometries; empty Geometry when GEOS fails.
  Geometry intersectionOf(const std::vector<const Geometry*>& parts) const;

  // Tests many candidates against one geometry.
  class Prepared {
   public:
    Prepared(const GeosContext& context, const Geometry& g);
    ~Prepared();
    Prepared(const Prepared&) = delete;
    Prepared& operator=(const Prepared&) = delete;
    bool intersects(const Geometry& other) const;

   private:
    GEOSContextHandle_t handle_;
    const GEOSPreparedGeometry* prepared_;
  };

  std::string lastError() const { return lastError_; }

 private:
  GEOSContextHandle_t handle_;
  std::string lastError_;
  Geometry take(GEOSGeometry* raw, const char* what) const;
};

}  // namespace host
