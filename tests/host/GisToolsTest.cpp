// import, report and export on the demo project: GIS files in through GDAL/OGR, a table and a
// GeoPackage out.
#include <gdal_priv.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ogrsf_frmts.h>

#include <fstream>
#include <map>
#include <sstream>

#include "Cli.h"
#include "Host.h"
#include "ShellCommand.h"
#include "TempDir.h"

namespace {

using ::testing::HasSubstr;

struct CliResult {
  int exitCode;
  std::string out;
  std::string err;
};

CliResult tolvarRun(const std::filesystem::path& dir, std::vector<std::string> args) {
  args.insert(args.begin(), dir.string());
  std::ostringstream out, err;
  const int code = tolvar::runCli(args, out, err, AGGREGATE_PLUGIN_PATH);
  return {code, out.str(), err.str()};
}

std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* const kAllMeasures[] = {"MAS-01", "MAS-02", "MAS-03"};

std::vector<std::string> aggregateAllMeasures() {
  std::vector<std::string> line = {"select"};
  line.insert(line.end(), std::begin(kAllMeasures), std::end(kAllMeasures));
  line.insert(line.end(), {",", "run", "BT_FT_FPToMAS"});
  return line;
}

// The biotope-type rows of a measure, as one text each; the "OZ" carrier of species left out.
std::vector<std::string> biotoptypRows(const std::filesystem::path& dir, const std::string& measure) {
  host::Host host(dir);
  std::vector<std::string> rows;
  for (const host::Row& row : host.rows(measure, "BtypHtyp")) {
    if (row.value("Biotoptyp") == "OZ") continue;
    rows.push_back(row.value("Biotoptyp") + "|" + row.value("Oekotyp") + "|" + row.value("P62_Typ") + "|" +
                   row.value("Bemerkung") + "|" + row.value("FLAECHE") + "|" + row.value("Flaechenanteil"));
  }
  return rows;
}

// GIS sources made with GDAL from objects of a project, each object one feature with its one
// BtypHtyp row as attributes.
class SourceWriter {
 public:
  SourceWriter(const std::filesystem::path& file, const char* driverName) {
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    dataset_.reset(driver->Create(file.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    srs_.SetFromUserInput("EPSG:25832");
  }

  void addLayer(const char* name, const host::Host& project, const std::vector<std::string>& kennungen,
                OGRSpatialReference* srs) {
    OGRLayer* layer = dataset_->CreateLayer(name, srs, wkbPolygon, nullptr);
    const std::vector<const char*> fields = {"kennung",   "Biotoptyp", "Oekotyp",        "P62_Typ",
                                             "Bemerkung", "FLAECHE",   "Flaechenanteil", "Kartierer"};
    for (const char* field : fields) {
      OGRFieldDefn definition(field, OFTString);
      ASSERT_EQ(layer->CreateField(&definition), OGRERR_NONE);
    }
    for (const std::string& kennung : kennungen) {
      OGRFeatureUniquePtr feature(OGRFeature::CreateFeature(layer->GetLayerDefn()));
      feature->SetField(0, kennung.c_str());
      // A feature without Kennung takes the rest from BT-002.
      const std::string object = kennung.empty() ? "BT-002" : kennung;
      const std::vector<host::Row> rows = project.rows(object, "BtypHtyp");
      for (std::size_t i = 1; i + 1 < fields.size() && !rows.empty(); ++i)
        feature->SetField(static_cast<int>(i), rows.front().value(fields[i]).c_str());
      feature->SetField(static_cast<int>(fields.size() - 1), "Meier");
      std::unique_ptr<OGRGeometry> geometry = geometryOf(project, object);
      if (srs != nullptr && srs->IsGeographic()) {
        geometry->assignSpatialReference(&srs_);
        ASSERT_EQ(geometry->transformTo(srs), OGRERR_NONE);
      }
      feature->SetGeometryDirectly(geometry.release());
      ASSERT_EQ(layer->CreateFeature(feature.get()), OGRERR_NONE);
    }
  }

  OGRSpatialReference* metres() { return &srs_; }

 private:
  GDALDatasetUniquePtr dataset_;
  OGRSpatialReference srs_;

  // The project's objects file is GeoJSON, which GDAL reads as it is.
  static std::unique_ptr<OGRGeometry> geometryOf(const host::Host& project, const std::string& kennung) {
    GDALDatasetUniquePtr objects(
        GDALDataset::Open((project.projectDir() / "objects.geojson").c_str(), GDAL_OF_VECTOR));
    OGRLayer* layer = objects->GetLayer(0);
    layer->SetAttributeFilter(("kennung = '" + kennung + "'").c_str());
    OGRFeatureUniquePtr feature(layer->GetNextFeature());
    return std::unique_ptr<OGRGeometry>(feature->StealGeometry());
  }
};

class GisTools : public ::testing::Test {
 protected:
  testsupport::TempDir temp;
  std::filesystem::path demo = testsupport::copyProject(DEMO_PROJECT_DIR, temp);

  void aggregate(const std::filesystem::path& dir) {
    const CliResult result = tolvarRun(dir, aggregateAllMeasures());
    ASSERT_EQ(result.exitCode, 0) << result.err;
  }
};

TEST_F(GisTools, ProjectsImportedFromGeoPackageAndShapefileAggregateLikeTheDemo) {
  // Of the demo's BT objects, BT-004 holds two rows and cannot come from one feature; MAS-02 lies on
  // it alone, so only the other measures can match.
  const std::vector<std::string> singleRowBt = {"BT-001", "BT-002", "BT-003"};
  const std::vector<std::string> measures(std::begin(kAllMeasures), std::end(kAllMeasures));
  {
    const host::Host project(demo);
    SourceWriter gpkg(temp / "demo.gpkg", "GPKG");
    gpkg.addLayer("bt", project, singleRowBt, gpkg.metres());
    gpkg.addLayer("mas", project, measures, gpkg.metres());
    std::filesystem::create_directory(temp / "shp");
    SourceWriter(temp / "shp" / "bt.shp", "ESRI Shapefile")
        .addLayer("bt", project, singleRowBt, gpkg.metres());
    SourceWriter(temp / "shp" / "mas.shp", "ESRI Shapefile").addLayer("mas", project, measures, nullptr);
  }
  aggregate(demo);

  const std::vector<std::pair<std::string, std::vector<std::string>>> sources = {
      {"GeoPackage",
       {(temp / "demo.gpkg").string(), "--layer", "bt", (temp / "demo.gpkg").string(), "--layer", "mas"}},
      {"Shapefile",
       {(temp / "shp" / "bt.shp").string(), "", "", (temp / "shp" / "mas.shp").string(), "", ""}}};
  for (const auto& [kind, source] : sources) {
    SCOPED_TRACE(kind);
    const std::filesystem::path project = temp / ("aus-" + kind);
    std::vector<std::string> line = {"import", source[0], "--class", "BT", "--kennung", "kennung"};
    if (!source[1].empty()) line.insert(line.end(), {source[1], source[2]});
    line.insert(line.end(), {",", "import", source[3], "--class", "MAS", "--kennung", "kennung"});
    if (!source[4].empty()) line.insert(line.end(), {source[4], source[5]});
    line.push_back(",");
    const std::vector<std::string> run = aggregateAllMeasures();
    line.insert(line.end(), run.begin(), run.end());
    const CliResult result = tolvarRun(project, line);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("Importiert: 3 Objekte der Klasse BT aus " + source[0]));
    EXPECT_THAT(result.out, HasSubstr("Zeilen: BtypHtyp 3. Nicht übernommene Felder: Kartierer."));

    EXPECT_EQ(biotoptypRows(project, "MAS-01"), biotoptypRows(demo, "MAS-01"));
    EXPECT_EQ(biotoptypRows(project, "MAS-03"), biotoptypRows(demo, "MAS-03"));
    EXPECT_THAT(biotoptypRows(project, "MAS-02"), ::testing::IsEmpty());
    // The Shapefile's "Flaechenan" is the share, cut to ten characters.
    EXPECT_EQ(host::Host(project).rows("BT-001", "BtypHtyp").at(0).value("Flaechenanteil"), "100");
  }
}

TEST_F(GisTools, ImportRefusesWhatWouldGiveWrongAreasOrKennungenAndLeavesNothingBehind) {
  {
    const host::Host project(demo);
    SourceWriter sources(temp / "quellen.gpkg", "GPKG");
    OGRSpatialReference degrees;
    degrees.SetFromUserInput("EPSG:4326");
    degrees.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    sources.addLayer("grad", project, {"BT-001"}, &degrees);
    sources.addLayer("doppelt", project, {"BT-001", "BT-002", "BT-001"}, sources.metres());
    sources.addLayer("leer", project, {"BT-001", ""}, sources.metres());
    sources.addLayer("vorhanden", project, {"BT-001"}, sources.metres());
  }
  const std::string gpkg = (temp / "quellen.gpkg").string();
  const std::string objects = fileText(demo / "objects.geojson");
  const struct {
    std::filesystem::path project;
    std::vector<std::string> args;
    int exitCode;
    std::string message;
  } cases[] = {
      {temp / "neu",
       {"import", gpkg, "--class", "BT", "--kennung", "kennung", "--layer", "grad"},
       1,
       "liegt in einem geographischen Koordinatensystem (WGS 84, Grad); Flächen in Hektar brauchen Meter."},
      {temp / "neu",
       {"import", gpkg, "--class", "BT", "--kennung", "kennung", "--layer", "doppelt"},
       1,
       "Kennungen mehrfach im Feld kennung: BT-001; es wurde nichts importiert."},
      {temp / "neu",
       {"import", gpkg, "--class", "BT", "--kennung", "kennung", "--layer", "leer"},
       1,
       "1 Objekt(e) ohne Kennung im Feld kennung (Feature 2); es wurde nichts importiert."},
      {temp / "neu",
       {"import", gpkg, "--class", "BT", "--kennung", "kennung"},
       1,
       "hat mehrere Layer (grad, doppelt, leer, vorhanden); bitte einen mit --layer wählen."},
      {temp / "neu",
       {"import", gpkg, "--class", "BT", "--kennung", "name", "--layer", "leer"},
       1,
       "hat kein Feld name; ihre Felder: kennung, Biotoptyp, Oekotyp, P62_Typ, Bemerkung, FLAECHE, "
       "Flaechenanteil, Kartierer."},
      {demo,
       {"import", gpkg, "--class", "BT", "--kennung", "kennung", "--layer", "vorhanden"},
       1,
       "Diese Kennungen gibt es im Projekt schon: BT-001; es wurde nichts importiert."},
      {demo,
       {"import", gpkg, "--class", "XY", "--kennung", "kennung"},
       2,
       "import: --class nimmt BT, GB, BK, FSN, MAS, FT oder FP"},
      {demo,
       {"import", gpkg, "--kennung", "kennung", "--layer", "leer"},
       2,
       "import braucht --class und --kennung"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliResult result = tolvarRun(c.project, c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_THAT(result.err, HasSubstr(c.message));
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    EXPECT_FALSE(std::filesystem::exists(temp / "neu"));
    EXPECT_EQ(fileText(demo / "objects.geojson"), objects);
  }
  // A folder that held the source but no project keeps what it had, and only that.
  const std::filesystem::path folder = temp / "ordner";
  std::filesystem::create_directory(folder);
  std::ofstream(folder / "notiz.txt") << "Kartierung 2026";
  EXPECT_EQ(tolvarRun(folder, cases[0].args).exitCode, 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(fileText(folder / "notiz.txt"), "Kartierung 2026");
}

TEST_F(GisTools, ALargeSourceShowsProgressWhileItIsReadAndWritten) {
  const std::filesystem::path source = temp / "viele.geojson";
  {
    std::ofstream out(source);
    out << "{\"type\":\"FeatureCollection\",\"features\":[";
    for (int i = 0; i < 1500; ++i) {
      out << (i == 0 ? "" : ",") << "{\"type\":\"Feature\",\"properties\":{\"nr\":\"F-" << i
          << "\"},\"geometry\":{\"type\":\"Point\",\"coordinates\":[" << 500000 + i << ",5700000]}}";
    }
    out << "]}";
  }
  // A GeoJSON file without "crs" is in degrees by its standard; the import sees that these numbers
  // are not and asks for the right system.
  const CliResult withoutSystem =
      tolvarRun(temp / "fundorte", {"import", source.string(), "--class", "FT", "--kennung", "nr"});
  EXPECT_THAT(withoutSystem.err, HasSubstr("nennt ein geographisches Koordinatensystem (WGS 84), ihre "
                                           "Koordinaten sind aber keine Grad."));
  std::string text = fileText(source);
  text.insert(1, "\"crs\":{\"type\":\"name\",\"properties\":{\"name\":\"urn:ogc:def:crs:EPSG::25832\"}},");
  std::ofstream(source, std::ios::trunc) << text;

  const CliResult result =
      tolvarRun(temp / "fundorte", {"import", source.string(), "--class", "FT", "--kennung", "nr"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_THAT(result.err, HasSubstr("[Status] Lese viele.geojson: 0 % (1 von 1500)\n"));
  EXPECT_THAT(result.err, HasSubstr("[Status] Lese viele.geojson: 100 % (1500 von 1500)\n"));
  EXPECT_THAT(result.err, HasSubstr("[Status] Schreibe Objekte: 50 % (750 von 1500)\n"));
  EXPECT_EQ(host::Host(temp / "fundorte").objects().size(), 1500u);
}

std::vector<std::vector<std::string>> csvLines(const std::filesystem::path& file, char separator) {
  std::string text = fileText(file);
  EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text.substr(3));
  for (std::string line; std::getline(in, line, '\n');) {
    EXPECT_EQ(line.back(), '\r');
    line.pop_back();
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += line[++i];
      } else if (line[i] == '"') {
        quoted = !quoted;
      } else if (line[i] == separator && !quoted) {
        fields.emplace_back();
      } else {
        fields.back() += line[i];
      }
    }
    lines.push_back(fields);
  }
  return lines;
}

double numberOf(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text.empty() ? 0 : std::stod(text);
}

// Under a German locale semicolons and decimal commas; under a point locale commas and points.
bool germanLocale() {
  const char* all = std::getenv("LC_ALL");
  return all != nullptr && std::string(all).rfind("de_", 0) == 0;
}

TEST_F(GisTools, TheReportsSumsAgreeWithTheTablesAndSayWhyARowHasNoArea) {
  aggregate(demo);
  const CliResult result = tolvarRun(demo, {"report",    (temp / "massnahmen.csv").string(),
                                            ",",         "active",
                                            "GB-002",    ",",
                                            "run",       "BerechneBTFlaechen",
                                            ",",         "active",
                                            "BK-001",    ",",
                                            "run",       "BerechneBTFlaechen",
                                            ",",         "report",
                                            "--balance", (temp / "bilanz.csv").string(),
                                            "GB-002",    "BK-001"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const char separator = germanLocale() ? ';' : ',';
  const std::string decimal = germanLocale() ? "," : ".";

  const auto report = csvLines(temp / "massnahmen.csv", separator);
  ASSERT_EQ(report.size(),
            1u + 3 + 3 + 1);  // header, MAS-01 and MAS-02 (two rows and a sum each), MAS-03 (a sum)
  EXPECT_THAT(report[0],
              ::testing::ElementsAre("Maßnahme", "Fläche der Maßnahme (ha)", "Biotoptyp", "Oekotyp",
                                     "P62_Typ", "Bemerkung", "Fläche (ha)", "Anteil (%)", "Grund ohne Fläche",
                                     "BT-Objekte", "Arten der Maßnahme"));
  EXPECT_THAT(report[1],
              ::testing::ElementsAre("MAS-01", "6", "WBA", "9110", "", "Hainsimsen-Buchenwald",
                                     "4" + decimal + "5", "75", "", "BT-001, BT-003",
                                     "Lacerta agilis (Tier), Bufo bufo (Tier), Arnica montana (Pflanze), "
                                     "Großes Zweiblatt (Pflanze)"));
  EXPECT_EQ(report[4][2], "NSS");
  EXPECT_EQ(report[4][8], "BT-Objekt mit mehreren Biotoptypen");
  EXPECT_EQ(report[4][9], "BT-004");
  host::Host host(demo);
  for (const auto& [measure, sumLine] :
       std::map<std::string, std::size_t>{{"MAS-01", 3}, {"MAS-02", 6}, {"MAS-03", 7}}) {
    double hectares = 0;
    double share = 0;
    for (const host::Row& row : host.rows(measure, "BtypHtyp")) {
      hectares += numberOf(row.value("FLAECHE"));
      share += numberOf(row.value("Flaechenanteil"));
    }
    EXPECT_EQ(report[sumLine][0], measure);
    EXPECT_EQ(report[sumLine][2], "Summe");
    EXPECT_DOUBLE_EQ(numberOf(report[sumLine][6]), hectares);
    EXPECT_DOUBLE_EQ(numberOf(report[sumLine][7]), share);
  }

  const auto balance = csvLines(temp / "bilanz.csv", separator);
  ASSERT_EQ(balance.size(), 1u + 3 + 2);
  EXPECT_THAT(balance[0], ::testing::ElementsAre("Objekt", "Klasse", "Gesamtfläche (ha)", "Biotoptyp",
                                                 "Fläche (ha)", "Anteil (%)", "Toleranz (%)", "Hinweis"));
  EXPECT_THAT(balance[3],
              ::testing::ElementsAre("GB-002", "GB", "4", "Summe", "4", "100", "2", "in Ordnung"));
  EXPECT_THAT(balance[5], ::testing::ElementsAre("BK-001", "BK", "10", "Summe", "5", "50", "10",
                                                 "Flächenanteile zu klein; Teilflächen zu klein"));
  // The balance wrote its sums into the last row it walked.
  for (const char* object : {"GB-002", "BK-001"}) {
    const host::Row last = host.rows(object, "BtypHtyp").back();
    const auto sum = std::find_if(balance.begin(), balance.end(),
                                  [&](const auto& line) { return line[0] == object && line[3] == "Summe"; });
    EXPECT_DOUBLE_EQ(numberOf((*sum)[4]), numberOf(last.value("Ges_Fl")));
    EXPECT_DOUBLE_EQ(numberOf((*sum)[5]), numberOf(last.value("Ges_Proz")));
  }
}

TEST_F(GisTools, OgrinfoListsTheExportedLayersWithTheirFeaturesAndFields) {
  aggregate(demo);
  const std::filesystem::path gpkg = temp / "ergebnis.gpkg";
  const CliResult result = tolvarRun(demo, {"export", gpkg.string(), "--srs", "EPSG:25832"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "GeoPackage " + gpkg.string() + " geschrieben: 3 Maßnahmen, 4 BT-Teilflächen, 3 Fundorte.\n");

  const testsupport::CommandOutput listing =
      testsupport::RunShellCommand("ogrinfo -so -al '" + gpkg.string() + "' 2>&1");
  ASSERT_EQ(listing.status, 0) << listing.output;
  const auto countOf = [&](const std::string& layer) {
    const auto at = listing.output.find("Layer name: " + layer + "\n");
    const auto count = listing.output.find("Feature Count: ", at);
    return at == std::string::npos ? -1 : std::stoi(listing.output.substr(count + 15));
  };
  EXPECT_EQ(countOf("massnahmen"), 3);
  EXPECT_EQ(countOf("massnahmen_biotoptypen"), 4);
  EXPECT_EQ(countOf("bt_teilflaechen"), 4);
  EXPECT_EQ(countOf("fundorte"), 3);
  for (const char* field : {"kennung: String", "biotoptypen: String", "arten: String", "flaeche_ha: Real",
                            "anteil_prozent: Real", "bt_objekt: String", "klasse: String",
                            "Geometry: Multi Polygon", "Geometry: Point", "ETRS89 / UTM zone 32N"}) {
    EXPECT_THAT(listing.output, HasSubstr(field));
  }
  // The pieces carry the areas render draws: BT-001 covers 3 of MAS-01's 6 ha.
  GDALDatasetUniquePtr exported(GDALDataset::Open(gpkg.c_str(), GDAL_OF_VECTOR));
  OGRLayer* pieces = exported->GetLayerByName("bt_teilflaechen");
  pieces->SetAttributeFilter("bt_objekt = 'BT-001'");
  OGRFeatureUniquePtr piece(pieces->GetNextFeature());
  ASSERT_TRUE(piece);
  EXPECT_EQ(piece->GetFieldAsString("massnahme"), std::string("MAS-01"));
  EXPECT_DOUBLE_EQ(piece->GetFieldAsDouble("flaeche_ha"), 3);
  EXPECT_DOUBLE_EQ(piece->GetFieldAsDouble("anteil_prozent"), 50);
  EXPECT_NEAR(piece->GetGeometryRef()->toMultiPolygon()->get_Area() / 10000, 3, 1e-9);
}

}  // namespace
