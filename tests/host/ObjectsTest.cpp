// Objects, the selection with its iteration callbacks, and the update bracket.
#include "ConsoleRedirect.h"
#include "HostTestProject.h"

namespace hosttest {
namespace {

using Objects = HostTest;

TEST_F(Objects, ReportClassGeometryTypeAndAreaInHectares) {
  EXPECT_EQ(tlGetClassOf(host.idOf("GB-1")), host::kClassGB);
  EXPECT_EQ(tlGetClassOf(999), 0);
  EXPECT_EQ(tlGetGeoTypeOf(host.idOf("BT-1")), 3);
  EXPECT_EQ(tlGetGeoTypeOf(host.idOf("FSN-1")), 14);
  EXPECT_EQ(tlGetGeoTypeOf(host.idOf("FT-1")), 1);
  EXPECT_EQ(tlGetGeoTypeOf(host.idOf("BK-ohne")), 0);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(host.idOf("MAS-1")), 2.0);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(host.idOf("FSN-1")), 0.02);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(host.idOf("FT-1")), 0.0);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(host.idOf("BK-ohne")), 0.0);
}

TEST_F(Objects, KennungLookupAndActiveObject) {
  EXPECT_EQ(tlGetIDFromKennung("GB-1"), 3);
  EXPECT_EQ(tlGetIDFromKennung("gb-1"), 0);
  EXPECT_EQ(tlGetIDFromKennung(nullptr), 0);
  EXPECT_NE(tlKennungExists("FT-1"), 0);
  EXPECT_EQ(tlKennungExists("TempObj0"), 0);
  EXPECT_EQ(tlGetActiveGeoObject(), 0);
  EXPECT_NE(tlSetActiveObject(3), 0);
  EXPECT_EQ(tlSetActiveObject(999), 0);
  EXPECT_EQ(tlGetActiveGeoObject(), 3);
  EXPECT_EQ(host.active(), "GB-1");
  EXPECT_NE(tlEnsureData(3), 0);
  EXPECT_EQ(tlEnsureData(999), 0);
}

TEST_F(Objects, DeletingAnObjectRemovesItsRowsAndSelection) {
  host.select({"BT-1", "BT-2"});
  EXPECT_NE(tlDeleteObject(host.idOf("BT-1")), 0);
  EXPECT_EQ(tlDeleteObject(1), 0);
  EXPECT_EQ(tlDeleteObject(-1), 0);
  EXPECT_FALSE(host.exists("BT-1"));
  EXPECT_THAT(host.selection(), ::testing::ElementsAre("BT-2"));
  EXPECT_EQ(valueByKey(keys.wba, "BtypHtyp", "Biotoptyp"), "<none>");
  EXPECT_EQ(valueByKey(keys.fagus, "Pflanzenliste", "Pflanzenart"), "<none>");
}

TEST_F(Objects, IterationCallsTheNamedExportOncePerSelectedObjectInSelectionOrder) {
  loadTestPlugin();
  host.select({"GB-1", "BT-2", "FT-1"});
  tlAddToSelection(host.idOf("BT-1"));
  tlAddToSelection(host.idOf("GB-1"));  // already selected: stays where it is
  EXPECT_EQ(tlAddToSelection(999), 0);
  testsupport::StderrCapture stderrText;
  EXPECT_NE(tlIterateObjects(0, "aggregate.dll", "RecordObject"), 0);
  EXPECT_EQ(stderrText.text(),
            "visit 3 GB-1 7680105\nvisit 2 BT-2 7660130\nvisit 5 FT-1 7660200\nvisit 1 BT-1 7660130\n");
}

TEST_F(Objects, IterationWalksTheSelectionAsItWasWhenItStarted) {
  loadTestPlugin();
  host.select({"BT-1", "BT-2"});
  testsupport::StderrCapture stderrText;
  EXPECT_NE(tlIterateObjects(0, "AGGREGATE.DLL", "DeselectingCallback"), 0);
  EXPECT_EQ(stderrText.text(), "visit 1 BT-1 7660130\nvisit 2 BT-2 7660130\n");
  EXPECT_TRUE(host.selection().empty());
}

TEST_F(Objects, IterationRefusesUnknownModulesAndExports) {
  host.select({"BT-1"});
  EXPECT_EQ(tlIterateObjects(0, "aggregate.dll", "RecordObject"), 0);  // no plug-in loaded
  loadTestPlugin();
  EXPECT_EQ(tlIterateObjects(0, "other.dll", "RecordObject"), 0);
  EXPECT_EQ(tlIterateObjects(0, "aggregate.dll", "NoSuchExport"), 0);
  EXPECT_EQ(tlIterateObjects(0, nullptr, "RecordObject"), 0);
}

TEST_F(Objects, UpdateBracketsAreCountedAndAnEndWithoutBeginIsFlagged) {
  tlBeginUpdate();
  tlBeginUpdate();
  EXPECT_EQ(host.updateDepth(), 2);
  EXPECT_TRUE(host.updateUnbalanced());
  tlEndUpdate();
  tlEndUpdate();
  EXPECT_EQ(host.updateDepth(), 0);
  EXPECT_FALSE(host.updateUnbalanced());
  EXPECT_EQ(tlEndUpdate(), 0);
  EXPECT_TRUE(host.updateUnbalanced());
  host.resetUpdateBrackets();
  EXPECT_FALSE(host.updateUnbalanced());
}

TEST_F(Objects, UnknownExportsAreAClearError) {
  EXPECT_THROW(host.runExport("RecordObject"), host::HostError);  // no plug-in yet
  loadTestPlugin();
  try {
    host.runExport("NoSuchExport");
    FAIL() << "no error";
  } catch (const host::HostError& e) {
    EXPECT_STREQ(e.what(), "Das Plug-in hat keine Funktion 'NoSuchExport'");
  }
  EXPECT_THROW(host.loadPlugin("/nonexistent/aggregate.so"), host::HostError);
}

}  // namespace
}  // namespace hosttest
