// The Linux face of the project database: files told apart by their first bytes, the .mdb
// fixtures read through mdbtools and answered from memory.
#include "platform/ProjectDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/LibraryError.h"

using namespace aggregate;
using platform::connectProjectDatabase;
using Values = std::vector<std::string>;

namespace {

const std::string kFixtures = AGGREGATE_FIXTURES_DIR;

std::unique_ptr<platform::ProjectDatabase> open(const std::string& file) {
  return connectProjectDatabase("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file, file);
}

std::string where(int32_t id) { return "\r\nwhere TOLVARID = " + std::to_string(id); }

class MdbProjectDatabase : public ::testing::Test {
 protected:
  std::unique_ptr<platform::ProjectDatabase> db = open(kFixtures + "/project_small.mdb");
};

TEST_F(MdbProjectDatabase, KeysOfAnObjectInTheTablesOrder) {
  EXPECT_EQ(db->selectFirstColumn("select PKey from BtypHtyp" + where(102)), (Values{"2", "3"}));
  EXPECT_EQ(db->selectFirstColumn("select PKey from BtypHtyp" + where(101)), Values{"1"});
  EXPECT_EQ(db->selectFirstColumn("select PKey from BtypHtyp" + where(999)), Values{});
  EXPECT_EQ(db->selectFirstColumn("SELECT pkey FROM btyphtyp WHERE tolvarid=102"), (Values{"2", "3"}));
}

TEST_F(MdbProjectDatabase, NullAndEmptyTextBothComeBackEmpty) {
  EXPECT_EQ(db->selectFirstColumn("select Tierart from Tierliste" + where(201)),
            (Values{"Lacerta agilis", "Bufo bufo", ""}));
  EXPECT_EQ(db->selectFirstColumn("select P62_Typ from BtypHtyp" + where(102)), (Values{"", ""}));
}

TEST_F(MdbProjectDatabase, TextsArriveInWindows1252) {
  EXPECT_EQ(db->selectFirstColumn("select Pflanzenart from Pflanzenliste" + where(301)),
            (Values{"Arnica montana",
                    "Gro\xDF"
                    "es Zweiblatt",
                    "Sumpf-Blutauge (Comarum palustre) \x96 \xE4 \xF6 \xFC \xC4 \xD6 \xDC"}));
}

TEST_F(MdbProjectDatabase, OtherStatementsAreRefused) {
  for (const char* statement :
       {"select PKey from BtypHtyp where PKey = 2",
        "select * from BtypHtyp"
        "\r\nwhere TOLVARID = 1",
        "select PKey from BtypHtyp", "select PKey from BtypHtyp where TOLVARID = 1 or 1",
        "select PKey from BtypHtyp where TOLVARID = x1"})
    EXPECT_THROW(db->selectFirstColumn(statement), LibraryError) << statement;
}

TEST_F(MdbProjectDatabase, MissingTablesAndColumnsFail) {
  EXPECT_NO_THROW(db->openTable("BTypHTyp"));
  EXPECT_NO_THROW(db->openTable("planungrelarten"));
  EXPECT_THROW(db->openTable("Massnahmen"), LibraryError);
  EXPECT_THROW(db->selectFirstColumn("select PKey from Massnahmen" + where(1)), LibraryError);
  EXPECT_THROW(db->selectFirstColumn("select Unbekannt from BtypHtyp" + where(1)), LibraryError);
}

TEST(ProjectDatabaseFile, AMissingTableIsToldApart) {
  auto db = open(kFixtures + "/project_missing_planung.mdb");
  EXPECT_THROW(db->openTable("PlanungRelArten"), LibraryError);
  EXPECT_NO_THROW(db->openTable("Schichtung"));
  EXPECT_EQ(db->selectFirstColumn("select PKey from BtypHtyp" + where(102)), (Values{"2", "3"}));
}

TEST(ProjectDatabaseFile, OnlyKnownFormatsAreOpened) {
  EXPECT_THROW(open(kFixtures + "/nicht-da.mdb"), LibraryError);
  const auto text = std::filesystem::temp_directory_path() / "aggregate-not-a-database.mdb";
  std::ofstream(text) << "Standard Jet DB, just text pretending to be a database";
  EXPECT_THROW(open(text.string()), LibraryError);
  std::filesystem::remove(text);
}

}  // namespace
