// Emptying a measure's tables through the host.
#include "massnahmen/EmptyMassnahmeTables.h"

#include <gtest/gtest.h>

#include <map>

#include "common/LibraryError.h"
#include "doubles/FakeHost.h"

using namespace aggregate;

namespace {

class EmptyMassnahmeTablesTest : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }
};

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

TEST_F(EmptyMassnahmeTablesTest, EmptyTablesDeleteNothing) {
  HostTables tables({});
  EmptyMassnahmeTables();
  EXPECT_TRUE(tables.deletions.empty());
}

TEST_F(EmptyMassnahmeTablesTest, ARowTheHostKeepsEndsTheLoopWithAnError) {
  HostTables tables({{"Tierliste", {3, 4}}});
  tables.stuckKey = 4;
  EXPECT_THROW(EmptyMassnahmeTables(), LibraryError);
  EXPECT_EQ(tables.deletions,
            (std::vector<std::pair<std::string, int32_t>>{{"Tierliste", 3}, {"Tierliste", 4}}));
}

}  // namespace
