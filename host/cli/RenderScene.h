// What a picture of one object shows, in map coordinates (metres): the object, the BT pieces on it,
// the find sites on it with their species, other objects the spatial query finds, and the rows the
// last aggregation wrote into it.
#pragma once

#include <string>
#include <vector>

#include "Host.h"

namespace tolvar {

struct MapPoint {
  double x = 0;
  double y = 0;
};

struct MapPath {
  std::vector<MapPoint> points;
  bool closed = true;  // a ring; false for a line
};

// Rings and lines of one geometry; rings fill with the even-odd rule, so holes stay open.
using MapShape = std::vector<MapPath>;

struct BiotopPiece {
  std::string kennung;
  std::string code;   // the BT object's Biotoptyp values, "/"-joined when there are several
  MapShape onObject;  // clipped to the drawn object
  MapShape whole;
  MapPoint labelAt;
  double hectares = 0;  // on the drawn object
  double share = 0;     // percent of the drawn object's area
};

struct FindSite {
  std::string kennung;
  bool plants = false;  // FP; FT holds animals
  MapPoint at;
  std::vector<std::string> species;
};

struct OtherObject {
  std::string kennung;
  MapShape shape;
};

struct AggregatedBiotopRow {
  std::string code;
  std::string hectares;  // FLAECHE as stored
  std::string share;     // Flaechenanteil as stored
};

struct RenderScene {
  std::string kennung;
  std::string className;
  double hectares = 0;
  MapShape outline;
  MapPoint anchor;  // a point of the object, so that even a lone point has a place on the map
  std::vector<BiotopPiece> biotopes;
  std::vector<FindSite> sites;
  std::vector<OtherObject> others;
  std::vector<AggregatedBiotopRow> biotopRows;  // BtypHtyp rows except the "OZ" carrier of species
  bool hasSpeciesCarrier = false;               // the object has that "OZ" row
  std::vector<std::string> speciesRows;         // "Tier: name" / "Pflanze: name"
};

// Asks the host what lies on the object, as the measure aggregation does. Throws HostError for an
// unknown Kennung or an object without geometry.
RenderScene collectRenderScene(host::Host& host, const std::string& kennung);

// Extent of everything drawn, as (min, max).
std::pair<MapPoint, MapPoint> extentOf(const RenderScene& scene);

}  // namespace tolvar
