// The measure window: a database path as the host names it, and emptying a measure's tables.
#include "measures/FormAggregateMAS.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/LibraryError.h"
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

  testdoubles::RecordingUserInterface ui;
};

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
    IntegerList keys;
    form.GetPKeysByObjID("BtypHtyp", 999, keys);
    EXPECT_EQ(keys.size(), 0);
  }
  EXPECT_TRUE(ui.messages.empty());
  fs::remove_all(dir);
}

// Tables of the active object as the host keeps them: deleting a row makes the next one current.
class HostTables {
 public:
  explicit HostTables(std::map<std::string, std::vector<int32_t>> keys) : keys_(std::move(keys)) {
    auto& hooks = fakehost::hooks();
    hooks.tableFirst = [](const char*) -> int16_t { return 1; };
    hooks.tableEOF = [this](const char* table) -> int16_t { return keys_[table].empty(); };
    hooks.getRecordCountOf = [this](const char* table) { return static_cast<int32_t>(keys_[table].size()); };
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
