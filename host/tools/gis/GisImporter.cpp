#include "GisImporter.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <cmath>
#include <map>
#include <memory>

#include "ClassCodes.h"
#include "GdalScope.h"
#include "Joined.h"
#include "ProgressLine.h"
#include "SourceFields.h"
#include "UsageError.h"

namespace tolvar {

namespace {

// A message names this many Kennungen at most; a long list helps nobody in one line.
constexpr std::size_t kNamesShown = 10;

const std::int32_t kImportableClasses[] = {host::kClassBT,  host::kClassGB, host::kClassBK, host::kClassFSN,
                                           host::kClassMAS, host::kClassFT, host::kClassFP};

struct PlannedObject {
  GIntBig fid = 0;
  std::string kennung;
  std::string wkt;
  std::vector<std::pair<std::string, host::FieldValues>> rows;
};

std::string listed(const std::vector<std::string>& names) {
  if (names.size() <= kNamesShown) return joined(names);
  return joined(std::vector<std::string>(names.begin(), names.begin() + kNamesShown)) + " und " +
         std::to_string(names.size() - kNamesShown) + " weitere";
}

std::string fieldNames(const OGRFeatureDefn& defn) {
  std::vector<std::string> names;
  for (int i = 0; i < defn.GetFieldCount(); ++i) names.push_back(defn.GetFieldDefn(i)->GetNameRef());
  return names.empty() ? "keine" : listed(names);
}

// The project keeps plane geometry without curves; every digit is kept so areas come out as GDAL
// computes them.
std::string wktOf(OGRFeature& feature) {
  std::unique_ptr<OGRGeometry> geometry(feature.StealGeometry());
  if (!geometry || geometry->IsEmpty()) return {};
  if (geometry->hasCurveGeometry()) geometry.reset(geometry->getLinearGeometry());
  geometry->flattenTo2D();
  OGRWktOptions options;
  options.variant = wkbVariantIso;
  options.precision = 17;
  options.round = false;
  options.format = OGRWktFormat::G;
  return geometry->exportToWkt(options);
}

std::string trimmed(std::string text) {
  const auto isBlank = [](unsigned char c) { return c <= ' '; };
  while (!text.empty() && isBlank(static_cast<unsigned char>(text.back()))) text.pop_back();
  const auto first = std::find_if_not(text.begin(), text.end(),
                                      [&](char c) { return isBlank(static_cast<unsigned char>(c)); });
  return {first, text.end()};
}

OGRLayer& layerOf(GDALDataset& source, const ImportOptions& options) {
  const std::string name = options.source.string();
  if (options.layer) {
    OGRLayer* layer = source.GetLayerByName(options.layer->c_str());
    if (layer == nullptr)
      throw host::HostError("Die Quelle " + name + " hat keinen Layer " + *options.layer + ".");
    return *layer;
  }
  std::vector<std::string> layers;
  for (int i = 0; i < source.GetLayerCount(); ++i) layers.push_back(source.GetLayer(i)->GetName());
  if (layers.empty()) throw host::HostError("Die Quelle " + name + " enthält keinen Layer.");
  if (layers.size() > 1) {
    throw host::HostError("Die Quelle " + name + " hat mehrere Layer (" + listed(layers) +
                          "); bitte einen mit --layer wählen.");
  }
  return *source.GetLayer(0);
}

// Hectares need metres: a source in degrees (or feet) would give areas off by orders of magnitude.
void requireMetres(OGRLayer& layer, const std::string& name) {
  const OGRSpatialReference* srs = layer.GetSpatialRef();
  if (srs == nullptr) return;  // taken to be in the project's metre grid
  const std::string system = srs->GetName() != nullptr ? srs->GetName() : "unbekannt";
  OGREnvelope extent;
  const bool beyondDegrees = layer.GetExtent(&extent, TRUE) == OGRERR_NONE &&
                             (std::abs(extent.MinX) > 180 || std::abs(extent.MaxX) > 180 ||
                              std::abs(extent.MinY) > 90 || std::abs(extent.MaxY) > 90);
  // GeoJSON without "crs" counts as WGS 84 whatever its numbers say.
  if (srs->IsGeographic() && beyondDegrees) {
    throw host::HostError("Die Quelle " + name + " nennt ein geographisches Koordinatensystem (" + system +
                          "), ihre Koordinaten sind aber keine Grad. Bitte das richtige metrische "
                          "Koordinatensystem angeben, z. B. mit ogr2ogr -a_srs EPSG:25832.");
  }
  if (srs->IsGeographic()) {
    throw host::HostError("Die Quelle " + name + " liegt in einem geographischen Koordinatensystem (" +
                          system +
                          ", Grad); Flächen in Hektar brauchen Meter. Bitte vorher in ein metrisches "
                          "Koordinatensystem umprojizieren, z. B. mit ogr2ogr -t_srs EPSG:25832.");
  }
  if (srs->IsProjected() && std::abs(srs->GetLinearUnits() - 1.0) > 1e-9) {
    throw host::HostError("Die Quelle " + name + " misst nicht in Metern (" + system +
                          "); bitte vorher in ein metrisches Koordinatensystem umprojizieren.");
  }
}

void refuseBadKennungen(const host::Host& host, const std::vector<PlannedObject>& planned,
                        const std::string& field) {
  std::vector<std::string> empty;
  std::vector<std::string> repeated;
  std::vector<std::string> taken;
  std::map<std::string, int> seen;
  for (const PlannedObject& object : planned) {
    if (object.kennung.empty()) {
      empty.push_back(std::to_string(object.fid));
      continue;
    }
    if (++seen[object.kennung] == 2) repeated.push_back(object.kennung);
    if (seen[object.kennung] == 1 && host.exists(object.kennung)) taken.push_back(object.kennung);
  }
  if (!empty.empty()) {
    throw host::HostError(std::to_string(empty.size()) + " Objekt(e) ohne Kennung im Feld " + field +
                          " (Feature " + listed(empty) + "); es wurde nichts importiert.");
  }
  if (!repeated.empty()) {
    throw host::HostError("Kennungen mehrfach im Feld " + field + ": " + listed(repeated) +
                          "; es wurde nichts importiert.");
  }
  if (!taken.empty()) {
    throw host::HostError("Diese Kennungen gibt es im Projekt schon: " + listed(taken) +
                          "; es wurde nichts importiert.");
  }
}

}  // namespace

ImportOptions parseImportOptions(const std::vector<std::string>& args) {
  ImportOptions options;
  if (args.empty() || args[0].rfind("--", 0) == 0) throw UsageError("import: die Quelle fehlt");
  options.source = args[0];
  for (std::size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 == args.size()) throw UsageError("import: " + args[i] + " braucht einen Wert");
    const std::string& value = args[i + 1];
    if (args[i] == "--class") {
      for (const std::int32_t code : kImportableClasses) {
        if (host::className(code) == value) options.classCode = code;
      }
      if (options.classCode == 0) throw UsageError("import: --class nimmt BT, GB, BK, FSN, MAS, FT oder FP");
    } else if (args[i] == "--kennung") {
      options.kennungField = value;
    } else if (args[i] == "--layer") {
      options.layer = value;
    } else {
      throw UsageError("import: unbekannte Angabe " + args[i]);
    }
  }
  if (options.classCode == 0 || options.kennungField.empty())
    throw UsageError("import braucht --class und --kennung");
  return options;
}

GisImporter::GisImporter(host::Host& host, std::ostream& err, bool terminal)
    : host_(host), err_(err), terminal_(terminal) {}

std::string GisImporter::run(const ImportOptions& options) {
  GdalScope gdal;
  const std::string name = options.source.string();
  GDALDatasetUniquePtr source(GDALDataset::Open(name.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
  if (!source) {
    throw host::HostError("Die Quelle " + name + " lässt sich nicht als Vektordaten lesen" +
                          GdalScope::lastMessage() + ".");
  }
  OGRLayer& layer = layerOf(*source, options);
  requireMetres(layer, name);
  const OGRFeatureDefn& defn = *layer.GetLayerDefn();
  const int kennungField = defn.GetFieldIndex(options.kennungField.c_str());
  if (kennungField < 0) {
    throw host::HostError("Die Quelle " + name + " hat kein Feld " + options.kennungField +
                          "; ihre Felder: " + fieldNames(defn) + ".");
  }
  const SourceFields fields(host_, defn, options.classCode, kennungField);

  std::vector<PlannedObject> planned;
  const auto total = static_cast<std::size_t>(std::max<GIntBig>(layer.GetFeatureCount(), 0));
  {
    ProgressLine progress(err_, terminal_, "Lese " + options.source.filename().string(), total);
    for (const OGRFeatureUniquePtr& feature : layer) {
      planned.push_back({feature->GetFID(), trimmed(feature->GetFieldAsString(kennungField)), wktOf(*feature),
                         fields.rowsOf(*feature)});
      progress.advance(planned.size());
    }
  }
  refuseBadKennungen(host_, planned, options.kennungField);

  std::map<std::string, std::size_t> rowsPerTable;
  host_.atomically([&] {
    ProgressLine progress(err_, terminal_, "Schreibe Objekte", planned.size());
    std::size_t done = 0;
    for (const PlannedObject& object : planned) {
      host_.addObject(object.kennung, options.classCode, object.wkt);
      for (const auto& [table, values] : object.rows) {
        host_.addRow(object.kennung, table, values);
        ++rowsPerTable[table];
      }
      progress.advance(++done);
    }
  });

  std::vector<std::string> rows;
  for (const auto& [table, count] : rowsPerTable) rows.push_back(table + " " + std::to_string(count));
  std::string summary = "Importiert: " + std::to_string(planned.size()) + " Objekte der Klasse " +
                        host::className(options.classCode) + " aus " + name + " (Layer " + layer.GetName() +
                        "); Zeilen: " + (rows.empty() ? "keine" : joined(rows)) + ".";
  const std::vector<std::string> unused = fields.unused();
  if (!unused.empty()) summary += " Nicht übernommene Felder: " + listed(unused) + ".";
  return summary;
}

}  // namespace tolvar
