// tolvar <dir> export <file.gpkg>: the result layer for QGIS, written with GDAL/OGR. Layers:
// massnahmen (each measure with its biotope types and species), massnahmen_biotoptypen (the rows
// the last aggregation wrote, without geometry), bt_teilflaechen (the BT pieces on each measure with
// their hectares and shares, as render draws them) and fundorte (the FT/FP find sites with their
// species). Coordinates are the project's metre grid, which the layers call a local system in
// metres unless --srs names the real one (e.g. EPSG:25832).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Host.h"

namespace tolvar {

struct ExportOptions {
  std::filesystem::path file;
  std::optional<std::string> srs;
};

// The arguments after "export"; throws UsageError.
ExportOptions parseExportOptions(const std::vector<std::string>& args);

// Replaces the file only once the whole GeoPackage is written. Returns what was written, in one line.
std::string exportGeoPackage(host::Host& host, const ExportOptions& options);

}  // namespace tolvar
