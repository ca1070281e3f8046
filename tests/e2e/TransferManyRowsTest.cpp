// BTToGB into a target with many distinct biotope-type rows: each merged record goes back into
// its own row (or a new one) with its sub-rows below it, and finding the rows costs host calls in
// proportion to the rows, not to their square.
#include <numeric>

#include "ClassCodes.h"
#include "PluginSession.h"

namespace {

using e2e::addArea;

class TransferManyRows : public e2e::PluginSession {
 protected:
  // The target GB1 holds `rows` rows T0..T(rows-1); the source BT1 holds every other of them and
  // as many new ones N0.., each with an additional code naming its row.
  void targetWithDistinctRows(int rowCount) {
    addArea(project, 1, "BT1", host::kClassBT, 2);
    addArea(project, 2, "GB1", host::kClassGB, 4);
    for (int i = 0; i < rowCount; ++i) {
      targetKeys.push_back(btyp(2, "T" + std::to_string(i), "1"));
      if (i % 2 == 0) zusatzcode(1, btyp(1, "T" + std::to_string(i), ""), "aus BT1 zu T" + std::to_string(i));
    }
    for (int i = 0; i < rowCount / 2; ++i)
      zusatzcode(1, btyp(1, "N" + std::to_string(i), ""), "neu " + std::to_string(i));
  }
  int64_t btyp(int32_t id, const std::string& code, const std::string& flaeche) {
    return project.addRow("BtypHtyp", id, std::nullopt,
                          {{"Biotoptyp", code}, {"Oekotyp", "x"}, {"P62_Typ", "p"}, {"FLAECHE", flaeche}});
  }
  void zusatzcode(int32_t id, int64_t parent, const std::string& code) {
    project.addRow("Zusatzcodes", id, parent, {{"Zusatzcode", code}});
  }
  int64_t hostCalls() const {
    const auto counts = host->callCounts();
    return std::accumulate(counts.begin(), counts.end(), int64_t{0},
                           [](int64_t sum, const auto& entry) { return sum + entry.second; });
  }

  std::vector<int64_t> targetKeys;
};

TEST_F(TransferManyRows, EveryRecordGoesBackIntoItsRowWithItsSubRowsBelowIt) {
  targetWithDistinctRows(40);
  open();
  run("BTToGB", {"BT1", "GB1"});
  const auto target = host->tree("GB1");
  ASSERT_EQ(target.size(), 60U);
  for (int i = 0; i < 40; ++i) {
    const host::RowNode& node = target[static_cast<std::size_t>(i)];
    EXPECT_EQ(node.row.key, targetKeys[static_cast<std::size_t>(i)]);
    EXPECT_EQ(node.row.value("Biotoptyp"), "T" + std::to_string(i));
    if (i % 2 == 0) {
      ASSERT_EQ(node.children.size(), 1U) << i;
      EXPECT_EQ(node.children[0].row.value("Zusatzcode"), "aus BT1 zu T" + std::to_string(i));
    } else {
      EXPECT_TRUE(node.children.empty()) << i;
    }
  }
  // The merge takes the source's records from the last, so new rows come in that order.
  for (int i = 0; i < 20; ++i) {
    const host::RowNode& node = target[static_cast<std::size_t>(59 - i)];
    EXPECT_EQ(node.row.value("Biotoptyp"), "N" + std::to_string(i));
    ASSERT_EQ(node.children.size(), 1U) << i;
    EXPECT_EQ(node.children[0].row.value("Zusatzcode"), "neu " + std::to_string(i));
  }
}

TEST_F(TransferManyRows, HostCallsGrowWithTheRowsNotWithTheirSquare) {
  targetWithDistinctRows(25);
  open("klein");
  host->resetCallCounts();
  run("BTToGB", {"BT1", "GB1"});
  const double perRowSmall = static_cast<double>(hostCalls()) / 25;

  project = host::ProjectBuilder();
  targetKeys.clear();
  targetWithDistinctRows(200);
  open("gross");
  host->resetCallCounts();
  run("BTToGB", {"BT1", "GB1"});
  const double perRowLarge = static_cast<double>(hostCalls()) / 200;
  EXPECT_LT(perRowLarge, 1.5 * perRowSmall) << perRowSmall << " calls per row with 25 rows";
}

}  // namespace
