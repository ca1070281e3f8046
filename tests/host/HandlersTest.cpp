// Attribute-change handlers: user edits, and the plug-in's own writes when notification is on.
#include "ConsoleRedirect.h"
#include "HostConfig.h"
#include "HostTestProject.h"

namespace hosttest {
namespace {

class Handlers : public HostTest {
 protected:
  Handlers() { loadTestPlugin(); }
};

TEST_F(Handlers, AnEditStoresWhatTheAttachedHandlerLeftInItsBuffer) {
  testsupport::StderrCapture stderrText;
  EXPECT_EQ(host.editField("BT-1", "btyphtyp", keys.xgmf, "oekotyp", "9110 neu"), "9110 NEU");
  EXPECT_EQ(stderrText.text(), "handler 9110 neu\n");
  EXPECT_EQ(host.rows("BT-1", "BtypHtyp")[1].value("Oekotyp"), "9110 NEU");
  EXPECT_EQ(host.active(), "BT-1");
}

TEST_F(Handlers, AnEditPutsTheCursorsOnTheEditedRowFirst) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  testsupport::StderrCapture stderrText;
  host.editField("BT-1", "BtypHtyp", keys.oz, "P62_Typ", "§ 30");
  EXPECT_EQ(stderrText.text(), "current OZ\n");
  const auto rows = host.rows("BT-1", "BtypHtyp");
  EXPECT_EQ(rows[2].value("ist_FFHLRT"), "Wahr");
  EXPECT_EQ(rows[2].value("P62_Typ"), "§ 30");

  host.editField("BT-1", "Zusatzcodes", keys.x, "Zusatzcode", "y");  // its parent xGMF becomes current
  EXPECT_EQ(value("BtypHtyp", "Biotoptyp"), "xGMF");
}

TEST_F(Handlers, FieldsWithoutHandlerAreStoredAsTyped) {
  testsupport::StderrCapture stderrText;
  EXPECT_EQ(host.editField("BT-1", "BtypHtyp", keys.wba, "Bemerkung", "frei"), "frei");
  EXPECT_EQ(stderrText.text(), "");
}

TEST_F(Handlers, AnEditOfARowThatIsNotTheObjectsFails) {
  EXPECT_THROW(host.editField("BT-1", "BtypHtyp", keys.nss, "Bemerkung", "x"), host::HostError);
  EXPECT_THROW(host.editField("BT-1", "BtypHtyp", keys.wba, "Unbekannt", "x"), host::HostError);
  EXPECT_THROW(host.editField("BT-1", "Unbekannt", keys.wba, "Bemerkung", "x"), host::HostError);
  EXPECT_THROW(host.editField("BT-9", "BtypHtyp", keys.wba, "Bemerkung", "x"), host::HostError);
}

TEST_F(Handlers, OwnWritesReachTheHandlerOnlyWhenNotificationIsOn) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  {
    testsupport::StderrCapture stderrText;
    host.runExport("WriteOwnOekotyp");
    EXPECT_EQ(stderrText.text(), "");
    EXPECT_EQ(value("BtypHtyp", "Oekotyp"), "abc");
  }
  host.setNotifyOwnWrites(true);
  testsupport::StderrCapture stderrText;
  host.runExport("WriteOwnOekotyp");
  EXPECT_EQ(stderrText.text(), "handler abc\n");
  EXPECT_EQ(value("BtypHtyp", "Oekotyp"), "ABC");
  tlSetValueByPKEY(static_cast<int32_t>(keys.nss), "BtypHtyp", "Oekotyp", "by key");
  EXPECT_EQ(valueByKey(keys.nss, "BtypHtyp", "Oekotyp"), "BY KEY");
}

TEST_F(Handlers, NotifiedHandlersMayWriteReentrantly) {
  host.setNotifyOwnWrites(true);
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  testsupport::StderrCapture stderrText;
  tlSetValueByName("BtypHtyp", "P62_Typ", "\xA7 30");
  EXPECT_EQ(stderrText.text(), "current WBA\n");
  EXPECT_EQ(value("BtypHtyp", "ist_FFHLRT"), "Wahr");
  EXPECT_EQ(value("BtypHtyp", "P62_Typ"), "\xA7 30");
}

TEST_F(Handlers, DefaultsAttachTheAreaAndFlagHandlers) {
  const auto handlers = host::defaultHandlers();
  EXPECT_EQ(handlers.at("btyphtyp.flaechenanteil"), "FlaechenanteilChanged");
  EXPECT_EQ(handlers.at("BtypHtyp.FLAECHE"), "FlaecheAbsolutChanged");
  EXPECT_EQ(handlers.at("BtypHtyp.Oekotyp"), "SetFFHFlag");
  EXPECT_EQ(handlers.at("BtypHtyp.P62_Typ"), "SetP62Flag");
  EXPECT_EQ(handlers.size(), 4u);
  EXPECT_EQ(host.handlers().at("BtypHtyp.Oekotyp"), "UpperCaseHandler");  // this project configures its own
}

}  // namespace
}  // namespace hosttest
