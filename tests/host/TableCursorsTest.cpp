// Cursor, EOF/BOF, master-detail, append/post and delete rules of the attribute tables.
#include "HostTestProject.h"

namespace hosttest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Cursors = HostTest;

TEST_F(Cursors, WalkVisitsTheActiveObjectsRowsInKeyOrderAndStopsOnTheLastRow) {
  activate("BT-1");
  EXPECT_THAT(column("BtypHtyp", "Biotoptyp"), ElementsAre("WBA", "xGMF", "OZ"));
  EXPECT_NE(tlTableEOF("BtypHtyp"), 0);
  EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "OZ");  // Next past the end keeps the last row current
  tlTableNext("BtypHtyp");
  EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "OZ");
  EXPECT_EQ(tlGetRecordCountOf("BtypHtyp"), 3);

  activate("BT-2");
  EXPECT_THAT(column("BtypHtyp", "Biotoptyp"), ElementsAre("NSS"));
}

TEST_F(Cursors, BofIsTrueOnlyForAnEmptyTableAndEofAlsoAfterNextOnTheLastRow) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  EXPECT_EQ(tlTableBOF("BtypHtyp"), 0);
  EXPECT_EQ(tlTableEOF("BtypHtyp"), 0);
  tlTableLast("BtypHtyp");
  EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "OZ");
  EXPECT_EQ(tlTableBOF("BtypHtyp"), 0);
  EXPECT_EQ(tlTableEOF("BtypHtyp"), 0);

  activate("MAS-1");
  for (auto move : {tlTableFirst, tlTableLast, tlTableNext}) {
    move("BtypHtyp");
    EXPECT_NE(tlTableEOF("BtypHtyp"), 0);
    EXPECT_NE(tlTableBOF("BtypHtyp"), 0);
    EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "<none>");
  }
}

TEST_F(Cursors, TablesThatCannotBeReadReportBothEnds) {
  EXPECT_NE(tlTableEOF("BtypHtyp"), 0);  // no active object yet
  activate("BT-1");
  EXPECT_EQ(tlTableFirst("Unbekannt"), 0);
  EXPECT_NE(tlTableEOF("Unbekannt"), 0);
  EXPECT_NE(tlTableBOF("Unbekannt"), 0);
  EXPECT_EQ(tlGetRecordCountOf("Unbekannt"), 0);
}

TEST_F(Cursors, DeleteLoopsFromEitherEndEmptyTheTableWithItsDetailRows) {
  activate("BT-1");
  tlTableLast("BtypHtyp");
  int deletes = 0;
  while (tlTableBOF("BtypHtyp") == 0 && deletes < 10) {
    tlDeleteRecord("BtypHtyp", std::stoi(value("BtypHtyp", "PKEY")));
    ++deletes;
  }
  EXPECT_EQ(deletes, 3);
  EXPECT_NE(tlTableEOF("BtypHtyp"), 0);
  EXPECT_TRUE(host.rows("BT-1", "Zusatzcodes").empty());
  EXPECT_TRUE(host.rows("BT-1", "Pflanzenliste").empty());
  EXPECT_EQ(host.rows("BT-2", "BtypHtyp").size(), 1u);

  activate("BT-2");
  tlTableFirst("BtypHtyp");
  deletes = 0;
  while (tlTableEOF("BtypHtyp") == 0 && deletes < 10) {
    tlDeleteRecord("BtypHtyp", std::stoi(value("BtypHtyp", "PKEY")));
    ++deletes;
  }
  EXPECT_EQ(deletes, 1);
  EXPECT_NE(tlTableBOF("BtypHtyp"), 0);
}

TEST_F(Cursors, DeleteMovesToTheNextRowOrToThePreviousAfterTheLast) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  tlTableNext("BtypHtyp");
  EXPECT_NE(tlDeleteRecord("BtypHtyp", static_cast<int32_t>(keys.xgmf)), 0);
  EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "OZ");
  EXPECT_NE(tlDeleteRecord("BtypHtyp", static_cast<int32_t>(keys.oz)), 0);
  EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "WBA");
  EXPECT_EQ(tlTableEOF("BtypHtyp"), 0);
}

TEST_F(Cursors, DeleteIgnoresKeysThatAreNotVisibleHere) {
  activate("BT-1");
  for (int32_t key : {0, -1, 99999, static_cast<int32_t>(keys.nss), static_cast<int32_t>(keys.h)}) {
    EXPECT_EQ(tlDeleteRecord("BtypHtyp", key), 0) << key;
  }
  tlTableFirst("BtypHtyp");  // WBA is current, so its Zusatzcodes h and m are visible, x is not
  EXPECT_EQ(tlDeleteRecord("Zusatzcodes", static_cast<int32_t>(keys.x)), 0);
  EXPECT_EQ(host.rows("BT-1", "BtypHtyp").size(), 3u);
  EXPECT_EQ(host.rows("BT-1", "Zusatzcodes").size(), 3u);
  EXPECT_EQ(host.rows("BT-2", "BtypHtyp").size(), 1u);
}

TEST_F(Cursors, DetailTablesFollowTheirParentsCurrentRow) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  EXPECT_THAT(column("Zusatzcodes", "Zusatzcode"), ElementsAre("h", "m"));
  EXPECT_THAT(column("Pflanzenliste", "Pflanzenart"), ElementsAre("Fagus sylvatica"));
  tlTableNext("BtypHtyp");
  EXPECT_THAT(column("Zusatzcodes", "Zusatzcode"), ElementsAre("x"));
  EXPECT_EQ(tlGetRecordCountOf("Vegetationstyp"), 0);
  // Without a parent row the grandchildren are empty too.
  EXPECT_THAT(column("Pflanzenliste", "Pflanzenart"), IsEmpty());
  EXPECT_EQ(tlAppendRecord("Schichtung"), 0);
}

TEST_F(Cursors, ADetailCursorStartsOnTheFirstRowWhenItsParentMoves) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  tlTableLast("Zusatzcodes");
  EXPECT_EQ(value("Zusatzcodes", "Zusatzcode"), "m");
  tlTableNext("BtypHtyp");
  tlTableFirst("BtypHtyp");
  EXPECT_EQ(value("Zusatzcodes", "Zusatzcode"), "h");
}

TEST_F(Cursors, CursorsAreKeptPerObject) {
  activate("BT-1");
  tlTableLast("BtypHtyp");
  activate("BT-2");
  tlTableFirst("BtypHtyp");
  activate("BT-1");
  EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "OZ");
}

TEST_F(Cursors, PostStoresTheAppendedRowWithAFreshKeyBelowTheParentsCurrentRow) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  ASSERT_NE(tlAppendRecord("Zusatzcodes"), 0);
  EXPECT_EQ(value("Zusatzcodes", "PKEY"), "<none>");
  tlSetValueByName("Zusatzcodes", "Zusatzcode", "neu");
  ASSERT_NE(tlPostRecord("Zusatzcodes"), 0);
  EXPECT_EQ(tlPostRecord("Zusatzcodes"), 0);  // nothing pending any more

  const std::int64_t key = std::stoll(value("Zusatzcodes", "PKEY"));
  EXPECT_GT(key, keys.linfos);  // unique across the whole table, whichever object holds the keys
  EXPECT_EQ(value("Zusatzcodes", "Zusatzcode"), "neu");
  EXPECT_EQ(value("Zusatzcodes", "TOLVARID"), "1");
  EXPECT_EQ(value("Zusatzcodes", "MASTERKEY"), std::to_string(keys.wba));
  EXPECT_THAT(column("Zusatzcodes", "Zusatzcode"), ElementsAre("h", "m", "neu"));
}

TEST_F(Cursors, ANewRootRowTakesNewDetailRowsAndAnotherOperationPostsItFirst) {
  activate("MAS-1");
  tlAppendRecord("BtypHtyp");
  tlSetValueByName("BtypHtyp", "Biotoptyp", "OZ");
  tlPostRecord("BtypHtyp");
  tlAppendRecord("Vegetationstyp");
  tlSetValueByName("Vegetationstyp", "Vegetationstyp", "OZ");
  // Appending below the pending row posts it, so the layer can link to its key.
  ASSERT_NE(tlAppendRecord("Schichtung"), 0);
  tlSetValueByName("Schichtung", "Schicht", "OZ");
  tlPostRecord("Schichtung");

  const auto tree = host.tree("MAS-1");
  ASSERT_EQ(tree.size(), 1u);
  ASSERT_EQ(tree[0].children.size(), 1u);
  EXPECT_EQ(tree[0].children[0].table, "Vegetationstyp");
  ASSERT_EQ(tree[0].children[0].children.size(), 1u);
  EXPECT_EQ(tree[0].children[0].children[0].row.value("Schicht"), "OZ");
}

TEST_F(Cursors, SwitchingTheActiveObjectPostsAPendingRow) {
  activate("MAS-1");
  tlAppendRecord("BtypHtyp");
  tlSetValueByName("BtypHtyp", "Biotoptyp", "GMF");
  activate("BT-1");
  ASSERT_EQ(host.rows("MAS-1", "BtypHtyp").size(), 1u);
  EXPECT_EQ(host.rows("MAS-1", "BtypHtyp")[0].value("Biotoptyp"), "GMF");
}

}  // namespace
}  // namespace hosttest
