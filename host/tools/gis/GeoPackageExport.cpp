#include "GeoPackageExport.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>
#include <optional>
#include <variant>

#include "BiotoptypRows.h"
#include "ClassCodes.h"
#include "GdalScope.h"
#include "Joined.h"
#include "RenderScene.h"
#include "UsageError.h"

namespace tolvar {

namespace {

using FieldValue = std::variant<std::string, std::optional<double>>;
using Fields = std::vector<std::pair<const char*, FieldValue>>;

class Layer {
 public:
  Layer(GDALDataset& dataset, const char* name, OGRSpatialReference* srs, OGRwkbGeometryType type,
        const std::vector<std::pair<const char*, OGRFieldType>>& fields)
      : layer_(dataset.CreateLayer(name, type == wkbNone ? nullptr : srs, type)) {
    if (layer_ == nullptr) fail(name);
    for (const auto& [field, fieldType] : fields) {
      OGRFieldDefn definition(field, fieldType);
      if (layer_->CreateField(&definition) != OGRERR_NONE) fail(name);
    }
  }

  void add(std::unique_ptr<OGRGeometry> geometry, const Fields& fields) {
    OGRFeatureUniquePtr feature(OGRFeature::CreateFeature(layer_->GetLayerDefn()));
    if (geometry) feature->SetGeometryDirectly(geometry.release());
    for (const auto& [field, value] : fields) {
      if (const auto* text = std::get_if<std::string>(&value)) {
        feature->SetField(field, text->c_str());
      } else if (const auto& number = std::get<std::optional<double>>(value)) {
        feature->SetField(field, *number);
      } else {
        feature->SetFieldNull(feature->GetFieldIndex(field));
      }
    }
    if (layer_->CreateFeature(feature.get()) != OGRERR_NONE) fail(layer_->GetName());
    ++count_;
  }

  std::size_t count() const { return count_; }

 private:
  OGRLayer* layer_;
  std::size_t count_ = 0;

  [[noreturn]] static void fail(const std::string& name) {
    throw host::HostError("Der Layer " + name + " ließ sich nicht schreiben" + GdalScope::lastMessage() +
                          ".");
  }
};

// Render's shapes are rings without their nesting; GDAL tells shells from holes again.
std::unique_ptr<OGRGeometry> multiPolygonOf(const MapShape& shape) {
  std::vector<std::unique_ptr<OGRPolygon>> rings;
  for (const MapPath& path : shape) {
    if (!path.closed || path.points.size() < 4) continue;
    auto ring = std::make_unique<OGRLinearRing>();
    for (const MapPoint& p : path.points) ring->addPoint(p.x, p.y);
    rings.push_back(std::make_unique<OGRPolygon>());
    rings.back()->addRingDirectly(ring.release());
  }
  if (rings.empty()) return nullptr;
  std::vector<OGRGeometry*> polygons;  // organizePolygons takes them over
  for (auto& polygon : rings) polygons.push_back(polygon.release());
  int valid = 0;
  std::unique_ptr<OGRGeometry> organized(
      OGRGeometryFactory::organizePolygons(polygons.data(), static_cast<int>(polygons.size()), &valid));
  return std::unique_ptr<OGRGeometry>(OGRGeometryFactory::forceToMultiPolygon(organized.release()));
}

std::string codesOf(const std::vector<BiotoptypRow>& rows) {
  std::vector<std::string> codes;
  for (const BiotoptypRow& row : rows) codes.push_back(row.code);
  return joined(codes);
}

// Without a system the GeoPackage would call the coordinates degrees of an undefined geographic one.
OGRSpatialReference systemOf(const ExportOptions& options) {
  OGRSpatialReference srs;
  if (options.srs) {
    if (srs.SetFromUserInput(options.srs->c_str()) != OGRERR_NONE)
      throw host::HostError("Das Koordinatensystem " + *options.srs + " ist GDAL unbekannt" +
                            GdalScope::lastMessage() + ".");
  } else {
    srs.SetLocalCS("Projektkoordinaten (Meter)");
    srs.SetLinearUnits(SRS_UL_METER, 1.0);
  }
  return srs;
}

// Removes the half-written file unless the export got through.
struct PartialFile {
  std::filesystem::path path;
  bool done = false;
  ~PartialFile() {
    std::error_code ignored;
    if (!done) std::filesystem::remove(path, ignored);
  }
};

[[noreturn]] void cannotWrite(const std::filesystem::path& file) {
  throw host::HostError("Die Datei " + file.string() + " lässt sich nicht schreiben" +
                        GdalScope::lastMessage() + ".");
}

class ResultLayers {
 public:
  ResultLayers(GDALDataset& dataset, OGRSpatialReference& srs)
      : measures_(dataset, "massnahmen", &srs, wkbMultiPolygon,
                  {{"kennung", OFTString},
                   {"flaeche_ha", OFTReal},
                   {"biotoptypen", OFTString},
                   {"arten", OFTString}}),
        rows_(dataset, "massnahmen_biotoptypen", &srs, wkbNone,
              {{"massnahme", OFTString},
               {"biotoptyp", OFTString},
               {"oekotyp", OFTString},
               {"p62_typ", OFTString},
               {"bemerkung", OFTString},
               {"flaeche_ha", OFTReal},
               {"anteil_prozent", OFTReal}}),
        pieces_(dataset, "bt_teilflaechen", &srs, wkbMultiPolygon,
                {{"massnahme", OFTString},
                 {"bt_objekt", OFTString},
                 {"biotoptyp", OFTString},
                 {"flaeche_ha", OFTReal},
                 {"anteil_prozent", OFTReal}}),
        sites_(dataset, "fundorte", &srs, wkbPoint,
               {{"kennung", OFTString}, {"klasse", OFTString}, {"arten", OFTString}}) {}

  void addMeasure(host::Host& host, const host::ObjectSummary& measure) {
    // Nothing lies on a measure without geometry; its rows are written all the same.
    const RenderScene scene =
        measure.geoType != 0 ? collectRenderScene(host, measure.kennung) : RenderScene{};
    const std::vector<BiotoptypRow> biotopes = biotoptypRowsOf(host, measure.kennung, SpeciesCarrier::Left);
    measures_.add(multiPolygonOf(scene.outline), {{"kennung", measure.kennung},
                                                  {"flaeche_ha", measure.areaHectares},
                                                  {"biotoptypen", codesOf(biotopes)},
                                                  {"arten", speciesText(speciesOf(host, measure.kennung))}});
    for (const BiotoptypRow& row : biotopes) {
      rows_.add(nullptr, {{"massnahme", measure.kennung},
                          {"biotoptyp", row.code},
                          {"oekotyp", row.oekotyp},
                          {"p62_typ", row.p62},
                          {"bemerkung", row.remark},
                          {"flaeche_ha", row.hectares},
                          {"anteil_prozent", row.share}});
    }
    for (const BiotopPiece& piece : scene.biotopes) {
      pieces_.add(multiPolygonOf(piece.onObject), {{"massnahme", measure.kennung},
                                                   {"bt_objekt", piece.kennung},
                                                   {"biotoptyp", piece.code},
                                                   {"flaeche_ha", piece.hectares},
                                                   {"anteil_prozent", piece.share}});
    }
  }

  // A find site without geometry has no place on a map.
  void addFindSite(host::Host& host, const host::ObjectSummary& site) {
    if (site.geoType == 0) return;
    const FindSite found = collectRenderScene(host, site.kennung).sites.front();
    sites_.add(std::make_unique<OGRPoint>(found.at.x, found.at.y),
               {{"kennung", found.kennung},
                {"klasse", host::className(site.classCode)},
                {"arten", joined(found.species)}});
  }

  std::string summary() const {
    return std::to_string(measures_.count()) + " Maßnahmen, " + std::to_string(pieces_.count()) +
           " BT-Teilflächen, " + std::to_string(sites_.count()) + " Fundorte";
  }

 private:
  Layer measures_;
  Layer rows_;
  Layer pieces_;
  Layer sites_;
};

}  // namespace

ExportOptions parseExportOptions(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[1] == "--srs") return {args[0], args[2]};
  if (args.size() != 1) throw UsageError("export nimmt eine Datei und höchstens --srs CODE");
  return {args[0], std::nullopt};
}

std::string exportGeoPackage(host::Host& host, const ExportOptions& options) {
  GdalScope gdal;
  const std::filesystem::path& file = options.file;
  OGRSpatialReference srs = systemOf(options);
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GPKG");
  if (driver == nullptr) throw host::HostError("GDAL kann hier keine GeoPackages schreiben.");
  PartialFile partial{file.parent_path() / (file.stem().string() + ".partial.gpkg")};
  std::filesystem::remove(partial.path);
  std::string summary;
  {
    GDALDatasetUniquePtr dataset(driver->Create(partial.path.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!dataset) cannotWrite(file);
    ResultLayers layers(*dataset, srs);
    // One transaction: a GeoPackage commits each feature on its own otherwise.
    if (dataset->StartTransaction() != OGRERR_NONE) cannotWrite(file);
    for (const host::ObjectSummary& object : host.objects()) {
      if (object.temporary) continue;
      if (object.classCode == host::kClassMAS) layers.addMeasure(host, object);
      if (object.classCode == host::kClassFT || object.classCode == host::kClassFP)
        layers.addFindSite(host, object);
    }
    if (dataset->CommitTransaction() != OGRERR_NONE) cannotWrite(file);
    summary = layers.summary();
  }
  std::filesystem::rename(partial.path, file);
  partial.done = true;
  return "GeoPackage " + file.string() + " geschrieben: " + summary + ".";
}

}  // namespace tolvar
