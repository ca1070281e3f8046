// The measure run through the simulated host: selection, progress labels, Cancel, repeated runs,
// and the project database as SQLite store or Access file.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <csignal>
#include <fstream>
#include <iterator>
#include <set>

#include "ClassCodes.h"
#include "MeasureAggregationSupport.h"
#include "Sqlite.h"
#include "TempDir.h"

using e2e::localeNumber;
using host::kClassBT;
using host::kClassFP;
using host::kClassFT;
using host::kClassMAS;
using Lines = std::vector<std::string>;

namespace {

const std::string kFixtures = AGGREGATE_FIXTURES_DIR;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Measures M1..Mn side by side, each with an old BtypHtyp row and a BT object on it.
class MeasureRun : public ::testing::Test {
 protected:
  void measures(int count) {
    for (int i = 1; i <= count; ++i) {
      const double x0 = 2000.0 * i;
      project.strip(i, "M" + std::to_string(i), kClassMAS, x0, x0 + 1000);
      project.biotopRow(i, "ALT");
      project.strip(100 + i, "B" + std::to_string(i), kClassBT, x0, x0 + 250);
      project.biotopRow(100 + i, "NEU");
    }
  }
  e2e::MeasureProject project;
};

TEST_F(MeasureRun, WithoutMeasuresOnlyAWarning) {
  measures(1);
  auto& tolvar = project.open();
  const std::string err = project.aggregate({"B1"});
  EXPECT_TRUE(contains(err, "[Warnung] Kein Objekt der Klasse MAS (Massnahmen) selektiert!\n")) << err;
  EXPECT_FALSE(contains(err, "[Fenster]")) << err;
  EXPECT_EQ(tolvar.selection(), Lines{"B1"});
  EXPECT_EQ(project.biotopTypes("M1"), Lines{"ALT||"});
}

TEST_F(MeasureRun, EveryMeasureIsLabelledAndTheSelectionComesBack) {
  measures(3);
  auto& tolvar = project.open();
  const Lines selection{"B2", "M3", "M1", "M2"};
  const std::string err = project.aggregate(selection);
  EXPECT_TRUE(contains(err, std::string("[Fenster] ") + e2e::kWindowCaption +
                                "\n[Status] M3 (1 von 3)\n"
                                "[Status] M1 (2 von 3)\n[Status] M2 (3 von 3)\n[Fenster zu] " +
                                e2e::kWindowCaption + "\n"))
      << err;
  EXPECT_EQ(tolvar.selection(), selection);
  for (const char* measure : {"M1", "M2", "M3"})
    EXPECT_EQ(project.biotopTypes(measure), Lines{"NEU|" + localeNumber("2.5") + "|25"}) << measure;
}

TEST_F(MeasureRun, CtrlCDuringTheSecondOfFiveLeavesTheRestUntouched) {
  measures(5);
  auto& tolvar = project.open();
  int activated = 0;
  tolvar.setCallObserver([&activated](const std::string& function) {
    if (function == "tlSetActiveObject" && ++activated == 2) std::raise(SIGINT);
  });
  const Lines selection{"M1", "M2", "M3", "M4", "M5", "B1"};
  const std::string err = project.aggregate(selection);
  tolvar.setCallObserver({});
  EXPECT_TRUE(contains(err, "[Status] M2 (2 von 5)\n[Fenster zu]")) << err;
  EXPECT_EQ(project.biotopTypes("M2"), Lines{"NEU|" + localeNumber("2.5") + "|25"});
  for (const char* untouched : {"M3", "M4", "M5"}) EXPECT_EQ(project.biotopTypes(untouched), Lines{"ALT||"});
  EXPECT_EQ(tolvar.selection(), selection);
}

TEST_F(MeasureRun, ASecondRunGivesTheSameTables) {
  measures(1);
  project.strip(50, "B50", kClassBT, 2100, 2200);
  project.biotopRow(50, "NEU");
  project.point(60, "T60", kClassFT, 2500);
  project.species(60, "Tierliste", "Tierart", {"Bufo bufo"});
  project.open();
  project.aggregate({"M1"});
  const Lines first = project.dump("M1");
  project.aggregate({"M1"});
  EXPECT_EQ(project.dump("M1"), first);
  EXPECT_EQ(first.size(), 5U);
}

TEST_F(MeasureRun, NothingOnAMeasureLeavesAllSevenTablesEmpty) {
  project.strip(1, "M1", kClassMAS, 0, 1000);
  for (int i = 0; i < 2; ++i) {
    const auto bt = project.biotopRow(1, "ALT");
    project.builder.addRow("Zusatzcodes", 1, bt, {{"Zusatzcode", "h"}});
    const auto veg = project.builder.addRow("Vegetationstyp", 1, bt, {{"Vegetationstyp", "V"}});
    const auto layer = project.builder.addRow("Schichtung", 1, veg, {{"Schicht", "B1"}});
    project.builder.addRow("Pflanzenliste", 1, layer, {{"Pflanzenart", "Arnica montana"}});
    project.builder.addRow("Tierliste", 1, layer, {{"Tierart", "Bufo bufo"}});
    project.builder.addRow("PlanungRelArten", 1, layer, {{"PlanRel_T_Art", "Bufo bufo"}});
  }
  project.strip(2, "B2", kClassBT, 1500, 2000);  // beside the measure
  project.biotopRow(2, "WBA");
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.dump("M1"), Lines{});
}

// A row the host would not store stops nothing: the run goes on to the next measure.
TEST_F(MeasureRun, AWriteTheHostRefusedDoesNotStopTheRun) {
  measures(2);
  auto& tolvar = project.open();
  std::int64_t calls = 0;
  std::int64_t firstPost = 0;
  tolvar.setCallObserver([&](const std::string& function) {
    ++calls;
    if (function == "tlPostRecord" && firstPost == 0) firstPost = calls;
  });
  project.aggregate({"M2", "M1"});
  tolvar.setCallObserver({});
  ASSERT_GT(firstPost, 0);
  tolvar.failCall(firstPost);
  const std::string err = project.aggregate({"M2", "M1"});
  tolvar.failCall(0);
  EXPECT_FALSE(contains(err, "[Fehler]")) << err;
  EXPECT_TRUE(contains(err, "[Status] M1 (2 von 2)")) << err;
  EXPECT_EQ(tolvar.selection(), (Lines{"M2", "M1"}));
}

// More objects on one measure than the host answers a spatial query with at first: none is lost.
TEST_F(MeasureRun, ElevenHundredBiotopeTypesOnOneMeasureAreAllWritten) {
  constexpr int kObjects = 1100;
  project.strip(1, "M1", kClassMAS, 0, kObjects);
  for (int i = 0; i < kObjects; ++i) {
    project.strip(1000 + i, "B" + std::to_string(i), kClassBT, i, i + 1);
    project.biotopRow(1000 + i, "T" + std::to_string(i));
  }
  project.open();
  const std::string err = project.aggregate({"M1"});
  EXPECT_FALSE(contains(err, "[Fehler]") || contains(err, "[Warnung]")) << err;
  const Lines rows = project.biotopTypes("M1");
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kObjects));
  std::set<std::string> codes;
  double shares = 0;
  for (std::string row : rows) {
    codes.insert(row.substr(0, row.find('|')));
    std::replace(row.begin(), row.end(), ',', '.');
    double share = 0;
    const char* text = row.c_str() + row.rfind('|') + 1;
    EXPECT_EQ(std::from_chars(text, row.c_str() + row.size(), share).ec, std::errc()) << row;
    shares += share;
  }
  EXPECT_EQ(codes.size(), static_cast<std::size_t>(kObjects));
  EXPECT_NEAR(shares, 100.0, 1e-9);
}

// The rows of project_small.mdb in the host's own store, with the same BtypHtyp keys, lying on
// one measure.
class FixtureProject : public ::testing::Test {
 protected:
  void SetUp() override {
    project.strip(900, "M-Fix", kClassMAS, 0, 1000);
    project.strip(101, "B101", kClassBT, 0, 100);
    project.strip(102, "B102", kClassBT, 100, 300);
    project.strip(103, "B103", kClassBT, 300, 350);
    project.biotopRow(101, "WBA",
                      {{"Oekotyp", "9110"}, {"P62_Typ", ""}, {"Bemerkung", "Hainsimsen-Buchenwald"}});
    project.biotopRow(102, "xGMF", {{"Oekotyp", "6510"}, {"P62_Typ", ""}});
    project.biotopRow(102, "WBA", {{"Oekotyp", "9130"}});
    project.biotopRow(103, "OZ");
    project.point(201, "T201", kClassFT, 500);
    project.point(202, "T202", kClassFT, 510);
    project.point(301, "P301", kClassFP, 600);
    project.point(302, "P302", kClassFP, 610);
    project.species(201, "Tierliste", "Tierart", {"Lacerta agilis", "Bufo bufo", ""});
    project.species(202, "Tierliste", "Tierart", {"Lacerta agilis"});
    project.species(
        301, "Pflanzenliste", "Pflanzenart",
        {"Arnica montana", "Großes Zweiblatt", "Sumpf-Blutauge (Comarum palustre) – ä ö ü Ä Ö Ü"});
    project.species(302, "Pflanzenliste", "Pflanzenart", {"Arnica montana"});
    project.open();
  }
  e2e::MeasureProject project;
};

TEST_F(FixtureProject, TheAccessFileGivesWhatTheStoreGives) {
  project.aggregate({"M-Fix"});
  const Lines fromStore = project.dump("M-Fix");
  EXPECT_EQ(project.biotopTypes("M-Fix"), (Lines{"WBA|1|10", "GMF||", "OZ|" + localeNumber("0.5") + "|5"}));
  EXPECT_EQ(project.species("M-Fix"),
            (Lines{"T:Lacerta agilis", "T:Bufo bufo", "T:", "P:Arnica montana", "P:Großes Zweiblatt",
                   "P:Sumpf-Blutauge (Comarum palustre) – ä ö ü Ä Ö Ü"}));
  project.tolvar().reportProjectDatabase(kFixtures + "/project_small.mdb");
  const std::string err = project.aggregate({"M-Fix"});
  EXPECT_FALSE(contains(err, "[Fehler]")) << err;
  EXPECT_EQ(project.dump("M-Fix"), fromStore);
}

TEST_F(FixtureProject, AMissingTableIsReportedOnceAndTheRunGoesOn) {
  project.aggregate({"M-Fix"});
  const Lines fromStore = project.dump("M-Fix");
  const std::string database = kFixtures + "/project_missing_planung.mdb";
  project.tolvar().reportProjectDatabase(database);
  const std::string err = project.aggregate({"M-Fix"});
  const std::string message =
      "[Fehler] Verbindung zur Projektdatenbank " + database + "  konnte nicht aufgebaut werden!\n";
  EXPECT_TRUE(contains(err, message)) << err;
  EXPECT_EQ(err.find("[Fehler]"), err.rfind("[Fehler]")) << err;
  EXPECT_EQ(project.dump("M-Fix"), fromStore);
}

// A table the queries read is asked for when the database is connected: a missing one stops the
// run before any measure is emptied, in German.
TEST_F(FixtureProject, AMissingQueriedTableStopsTheRunBeforeAnyMeasureIsEmptied) {
  project.aggregate({"M-Fix"});
  const Lines before = project.dump("M-Fix");
  project.tolvar().save();
  const testsupport::TempDir dir;
  for (const std::string table : {"Tierliste", "Pflanzenliste"}) {
    const auto copy = dir / (table + ".sqlite");
    std::filesystem::copy_file(project.tolvar().databasePath(), copy);
    host::SqliteDatabase(copy, host::SqliteDatabase::Mode::OpenExisting).exec("DROP TABLE " + table);
    project.tolvar().reportProjectDatabase(copy);
    const std::string err = project.aggregate({"M-Fix", "B101"});
    EXPECT_TRUE(contains(err, "[Fehler] Die Projektdatenbank " + copy.string() +
                                  " ist unvollständig; es wurde keine Maßnahme verändert.\n  Die Tabelle " +
                                  table + " fehlt.\n"))
        << err;
    EXPECT_EQ(err.find("[Fehler]"), err.rfind("[Fehler]")) << err;
    EXPECT_EQ(project.dump("M-Fix"), before);
    EXPECT_EQ(project.tolvar().selection(), (Lines{"M-Fix", "B101"}));
  }
}

TEST_F(FixtureProject, WithoutADatabaseNoMeasureIsTouched) {
  project.aggregate({"M-Fix"});
  const Lines before = project.dump("M-Fix");
  project.tolvar().reportProjectDatabase(kFixtures + "/fehlt.mdb");
  const std::string err = project.aggregate({"M-Fix", "B101"});
  EXPECT_TRUE(contains(err, "konnte nicht aufgebaut werden!")) << err;
  EXPECT_TRUE(contains(err, "[Fenster zu]")) << err;
  EXPECT_EQ(project.dump("M-Fix"), before);
  EXPECT_EQ(project.tolvar().selection(), (Lines{"M-Fix", "B101"}));
}

// An Access file cut short, or a SQLite header with garbage after it, cannot be connected: the
// user is told once, and no measure is emptied.
TEST_F(FixtureProject, ADamagedDatabaseTouchesNoMeasure) {
  project.aggregate({"M-Fix"});
  const Lines before = project.dump("M-Fix");
  std::ifstream fixture(kFixtures + "/project_small.mdb", std::ios::binary);
  const std::string whole{std::istreambuf_iterator<char>(fixture), std::istreambuf_iterator<char>()};
  const testsupport::TempDir dir;
  const std::string damaged[] = {whole.substr(0, 65536), whole.substr(0, whole.size() / 2),
                                 std::string("SQLite format 3\0", 16) + std::string(8192, 'x')};
  for (const std::string& content : damaged) {
    const std::string database = (dir / "projekt.mdb").string();
    std::ofstream(database, std::ios::binary | std::ios::trunc) << content;
    project.tolvar().reportProjectDatabase(database);
    const std::string err = project.aggregate({"M-Fix", "B101"});
    EXPECT_TRUE(contains(
        err, "[Fehler] Verbindung zur Projektdatenbank " + database + "  konnte nicht aufgebaut werden!\n"))
        << err;
    EXPECT_EQ(err.find("[Fehler]"), err.rfind("[Fehler]")) << err;
    EXPECT_EQ(project.dump("M-Fix"), before);
    EXPECT_EQ(project.tolvar().selection(), (Lines{"M-Fix", "B101"}));
  }
}

}  // namespace
