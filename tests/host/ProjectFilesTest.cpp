// Opening, saving and rolling back a project on disk; the change list; malformed files.
#include <sqlite3.h>

#include <fstream>

#include "ChangeList.h"
#include "HostTestProject.h"

namespace hosttest {
namespace {

using ProjectFiles = HostTest;

void overwrite(const std::filesystem::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

void runSql(const std::filesystem::path& database, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

TEST_F(ProjectFiles, CommittedChangesAreThereWhenTheProjectIsOpenedAgain) {
  activate("MAS-1");
  tlAppendRecord("BtypHtyp");
  tlSetValueByName("BtypHtyp", "Biotoptyp", "GMF");
  tlPostRecord("BtypHtyp");
  tlDeleteObject(host.idOf("BT-2"));
  host::Host reopened(dir);
  ASSERT_EQ(reopened.rows("MAS-1", "BtypHtyp").size(), 1u);
  EXPECT_EQ(reopened.rows("MAS-1", "BtypHtyp")[0].value("Biotoptyp"), "GMF");
  EXPECT_FALSE(reopened.exists("BT-2"));
  EXPECT_EQ(reopened.objects().size(), 7u);
}

TEST_F(ProjectFiles, AHostFailureRollsBackTheWholeOperation) {
  runSql(host.databasePath(), "DROP TABLE Zusatzcodes");  // behind the host's back
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  EXPECT_THROW(host.atomically([&] {
    EXPECT_NE(tlSetValueByName("BtypHtyp", "Bemerkung", "vorher"), 0);
    EXPECT_EQ(tlSetValueByName("Zusatzcodes", "Zusatzcode", "kaputt"), 0);
  }),
               host::HostError);
  EXPECT_EQ(host.rows("BT-1", "BtypHtyp")[0].value("Bemerkung"), "");
  host::Host reopened(dir);
  EXPECT_EQ(reopened.rows("BT-1", "BtypHtyp")[0].value("Bemerkung"), "");
}

TEST_F(ProjectFiles, ThePlugInsOwnConnectionSeesWhatWasCommittedBeforeAnExport) {
  host.editField("BT-1", "BtypHtyp", keys.wba, "Bemerkung", "sichtbar");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(host.databasePath().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "select Bemerkung from BtypHtyp where PKey = 1", -1, &statement, nullptr);
  ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "sichtbar");
  sqlite3_finalize(statement);
  sqlite3_close(db);
}

TEST_F(ProjectFiles, MissingOrMalformedProjectsAreOneLineErrors) {
  auto openError = [](const std::filesystem::path& where) -> std::string {
    try {
      host::Host broken(where);
    } catch (const host::HostError& e) {
      return e.what();
    }
    return "opened";
  };
  EXPECT_EQ(openError(temp / "fehlt"), "Projektordner nicht gefunden: " + (temp / "fehlt").string());

  const auto copy = temp / "kopie";
  std::filesystem::copy(dir, copy);
  overwrite(copy / "objects.geojson", "{\"type\": \"FeatureCollection\", \"features\": [");
  EXPECT_THAT(openError(copy), ::testing::StartsWith("objects.geojson ist fehlerhaft"));
  overwrite(copy / "objects.geojson",
            R"({"features": [{"properties": {"id": 1, "kennung": "A", "class": 1}, "geometry": null},
                             {"properties": {"id": 1, "kennung": "B", "class": 1}, "geometry": null}]})");
  EXPECT_EQ(openError(copy), "objects.geojson: Objekt-ID 1 kommt doppelt vor");
  overwrite(
      copy / "objects.geojson",
      R"({"features": [{"properties": {"id": 1, "kennung": "A", "class": 1}, "geometry": {"type": "Polygon"}}]})");
  EXPECT_THAT(openError(copy), ::testing::StartsWith("objects.geojson: ungültige GeoJSON-Geometrie"));
  std::filesystem::copy_file(dir / "objects.geojson", copy / "objects.geojson",
                             std::filesystem::copy_options::overwrite_existing);
  overwrite(copy / "tolvar.json", "{\"handlers\": 5}");
  EXPECT_THAT(openError(copy), ::testing::StartsWith("tolvar.json ist fehlerhaft"));
  std::filesystem::remove(copy / "tolvar.json");
  overwrite(copy / "projekt.sqlite", "kein SQLite");
  EXPECT_THAT(openError(copy), ::testing::HasSubstr("die Datei ist keine Datenbank"));
  std::filesystem::remove(copy / "projekt.sqlite");
  EXPECT_EQ(openError(copy), "Projektdatenbank nicht gefunden: " + (copy / "projekt.sqlite").string());
}

TEST_F(ProjectFiles, ATableMissingFromTheDatabaseIsSimplyNotThere) {
  const auto other = temp / "ohne";
  host::ProjectBuilder()
      .addRectangle(1, "BT-1", host::kClassBT, 0, 0, 10, 10)
      .omitTable("PlanungRelArten")
      .write(other);
  host::Host reduced(other);
  EXPECT_THAT(reduced.tableNames(), ::testing::Not(::testing::Contains("PlanungRelArten")));
  tlSetActiveObject(1);
  EXPECT_EQ(tlAppendRecord("PlanungRelArten"), 0);
  EXPECT_EQ(tlGetRecordCountOf("BtypHtyp"), 0);
}

TEST_F(ProjectFiles, ChangeListRoundTripsBlankPaddedWindows1252Entries) {
  const std::vector<host::ChangeListEntry> entries = {
      {"GB-1", "IGNORED"}, {"Böschung-7", "UPDATE"}, {"BK-1", ""}};
  host::writeChangeList(host.changeListPath(), entries);
  EXPECT_EQ(host.changeListPath().filename(), "TA_LIST.DBF");
  EXPECT_TRUE(std::filesystem::exists(host.changeListPath()));
  EXPECT_EQ(host::readChangeList(host.changeListPath()), entries);
  std::ifstream raw(host.changeListPath(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find("B\xF6schung-7 "), std::string::npos);
  EXPECT_NE(bytes.find("IGNORED "), std::string::npos);
}

}  // namespace
}  // namespace hosttest
