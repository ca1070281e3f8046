// The measure window's database access and the emptying of a measure's tables.
#include "measures/FormAggregateMAS.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "boundary/LibraryError.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "platform/TextEncoding.h"

using namespace aggregate;

namespace {

const std::string kFixtures = AGGREGATE_FIXTURES_DIR;

class FormAggregateMAS : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }

  void hostNamesDatabase(const std::string& path) {
    fakehost::hooks().getProjectDB = [path](char* buffer, int32_t n) {
      return fakehost::deliver(path, buffer, n);
    };
  }

  void expectConnectionErrorOnly(const std::string& path) {
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text,
              "Verbindung zur Projektdatenbank " + path + "  konnte nicht aufgebaut werden!");
  }

  testdoubles::RecordingUserInterface ui;
};

TEST_F(FormAggregateMAS, AMissingDatabaseIsReportedAndNotConnected) {
  const std::string path = kFixtures + "/fehlt.mdb";
  hostNamesDatabase(path);
  TFrmAggregateMAS form;
  EXPECT_FALSE(form.OpenProjektDB());
  expectConnectionErrorOnly(path);
  TIntegerlist keys;
  EXPECT_THROW(form.GetPKeysByObjID("BtypHtyp", 102, keys), LibraryError);
}

TEST_F(FormAggregateMAS, AMissingTableIsReportedOnceButTheQueriesWork) {
  const std::string path = kFixtures + "/project_missing_planung.mdb";
  hostNamesDatabase(path);
  TFrmAggregateMAS form;
  EXPECT_TRUE(form.OpenProjektDB());
  expectConnectionErrorOnly(path);
  TIntegerlist keys;
  form.GetPKeysByObjID("BtypHtyp", 102, keys);
  ASSERT_EQ(keys.Size(), 2);
  EXPECT_EQ(keys[0], 2);
  EXPECT_EQ(keys[1], 3);
  std::vector<std::string> animals;
  form.GetAttributeValues4Object("Tierliste", "Tierart", 201, animals);
  EXPECT_EQ(animals, (std::vector<std::string>{"Lacerta agilis", "Bufo bufo", ""}));
}

TEST_F(FormAggregateMAS, APathWithBlanksAndUmlautsIsOpened) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "aggregate Projekt \xC3\xA4";
  fs::create_directories(dir);
  fs::copy_file(kFixtures + "/project_small.mdb", dir / "projekt daten.mdb",
                fs::copy_options::overwrite_existing);
  hostNamesDatabase(Ansi((dir / "projekt daten.mdb").string()));
  {
    TFrmAggregateMAS form;
    EXPECT_TRUE(form.OpenProjektDB());
    TIntegerlist keys;
    form.GetPKeysByObjID("BtypHtyp", 999, keys);
    EXPECT_EQ(keys.Size(), 0);
  }
  EXPECT_TRUE(ui.messages.empty());
  fs::remove_all(dir);
}

TEST_F(FormAggregateMAS, TheLabelNamesTheMeasureAndTheCount) {
  fakehost::hooks().getObjectData = [](TObjectInfo* info) -> int16_t {
    std::strcpy(info->Kennung, "M-12");
    return 1;
  };
  TFrmAggregateMAS form;
  form.show();
  form.SetKennungsLabel(4, 2, "7");
  EXPECT_EQ(form.LabelAktuellesObjekt(), "M-12 (2 von 7)");
  EXPECT_EQ(ui.windowEvents, (std::vector<std::string>{"show " + Ansi("Aggregation von Maßnahme-Objekten"),
                                                       "status M-12 (2 von 7)"}));
}

// Tables of the active object as the host keeps them: deleting a row makes the next one current.
class HostTables {
 public:
  explicit HostTables(std::map<std::string, std::vector<int32_t>> keys) : keys_(std::move(keys)) {
    auto& hooks = fakehost::hooks();
    hooks.tableFirst = [](const char*) -> int16_t { return 1; };
    hooks.tableEOF = [this](const char* table) -> int16_t { return keys_[table].empty(); };
    hooks.getValueByName = [this](const char* table, const char*, char* buffer, int32_t n) {
      return fakehost::deliver(std::to_string(keys_[table].front()), buffer, n);
    };
    hooks.deleteRecord = [this](const char* table, int32_t key) -> int16_t {
      deletions.emplace_back(table, key);
      auto& rows = keys_[table];
      if (key != stuckKey) std::erase(rows, key);
      return 1;
    };
  }
  std::vector<std::pair<std::string, int32_t>> deletions;
  int32_t stuckKey = 0;

 private:
  std::map<std::string, std::vector<int32_t>> keys_;
};

TEST_F(FormAggregateMAS, DetailTablesAreEmptiedBeforeTheirParents) {
  HostTables tables({{"BtypHtyp", {1, 2}}, {"Schichtung", {5}}, {"PlanungRelArten", {8, 9}}});
  TFrmAggregateMAS form;
  form.DeleteTargetData(4);
  EXPECT_EQ(tables.deletions, (std::vector<std::pair<std::string, int32_t>>{{"PlanungRelArten", 8},
                                                                            {"PlanungRelArten", 9},
                                                                            {"Schichtung", 5},
                                                                            {"BtypHtyp", 1},
                                                                            {"BtypHtyp", 2}}));
}

TEST_F(FormAggregateMAS, EmptyTablesDeleteNothing) {
  HostTables tables({});
  TFrmAggregateMAS form;
  form.DeleteTargetData(4);
  EXPECT_TRUE(tables.deletions.empty());
}

TEST_F(FormAggregateMAS, ARowTheHostKeepsEndsTheLoopWithAnError) {
  HostTables tables({{"Tierliste", {3, 4}}});
  tables.stuckKey = 4;
  TFrmAggregateMAS form;
  EXPECT_THROW(form.DeleteTargetData(4), LibraryError);
  EXPECT_EQ(tables.deletions,
            (std::vector<std::pair<std::string, int32_t>>{{"Tierliste", 3}, {"Tierliste", 4}}));
}

}  // namespace
