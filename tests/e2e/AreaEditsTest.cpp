// Editing area and flag fields of biotope-type rows in the simulated host, with the plug-in's
// handlers attached as the host attaches them by default.
#include <string>

#include "AreaProject.h"
#include "ClassCodes.h"
#include "ConsoleRedirect.h"

namespace {

class AreaEdits : public ::testing::Test, public AreaProject {
 protected:
  // Edits a field of the object's only row; gives what the host stored.
  std::string edit(const std::string& kennung, std::int64_t key, const std::string& field,
                   const std::string& value) {
    return host().editField(kennung, "BtypHtyp", key, field, value);
  }
};

TEST_F(AreaEdits, PercentageOfAGBRowGivesItsHectaresWithAPoint) {
  const auto key = addRow(addObject("GB-1", host::kClassGB, 3.2), {});
  open();
  const std::string typed = userNumber("12", "5");
  EXPECT_EQ(edit("GB-1", key, "Flaechenanteil", typed), typed);
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "0.4");
}

TEST_F(AreaEdits, HectaresOfABKRowGiveItsPercentage) {
  const auto key = addRow(addObject("BK-1", host::kClassBK, 3), {});
  open();
  edit("BK-1", key, "FLAECHE", "1");
  EXPECT_EQ(valueOf("BK-1", key, "Flaechenanteil"), "33.3333");
}

TEST_F(AreaEdits, HalvesAreRoundedToTheEvenNeighbour) {
  const auto key = addRow(addObject("GB-1", host::kClassGB, 100), {});
  open();
  edit("GB-1", key, "Flaechenanteil", userNumber("1", "03125"));
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "1.0312");
}

TEST_F(AreaEdits, PointTypedUnderACommaLocaleWritesNothing) {
  if (userSeparator() != ',') GTEST_SKIP() << "needs a locale with a decimal comma";
  const auto key = addRow(addObject("GB-1", host::kClassGB, 3.2), {{"FLAECHE", "2"}});
  open();
  testsupport::StderrCapture stderrText;
  EXPECT_EQ(edit("GB-1", key, "Flaechenanteil", "12.5"), "12.5");
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "2");
  EXPECT_EQ(stderrText.text(),
            "[Warnung] Der Wert \"12.5\" ist keine Zahl mit dem Dezimaltrennzeichen \",\"; die Fläche wurde "
            "nicht umgerechnet.\n");
}

TEST_F(AreaEdits, OtherClassesAreLeftUntouched) {
  std::map<std::string, std::int64_t> keys;
  for (const auto& [kennung, classCode] : std::map<std::string, std::int32_t>{
           {"BT-1", host::kClassBT}, {"FSN-1", host::kClassFSN}, {"MAS-1", host::kClassMAS}}) {
    keys[kennung] = addRow(addObject(kennung, classCode, 3.2), {{"FLAECHE", "9"}, {"Flaechenanteil", "7"}});
  }
  open();
  testsupport::StderrCapture stderrText;
  for (const auto& [kennung, key] : keys) {
    edit(kennung, key, "Flaechenanteil", "50");
    edit(kennung, key, "FLAECHE", "1");
    EXPECT_EQ(valueOf(kennung, key, "Flaechenanteil"), "50") << kennung;
    EXPECT_EQ(valueOf(kennung, key, "FLAECHE"), "1") << kennung;
  }
  EXPECT_EQ(host().callCount("tlSetValueByName"), 0);
  EXPECT_EQ(stderrText.text(), "");
}

TEST_F(AreaEdits, WithoutTotalAreaTheUserIsWarned) {
  const auto object = addObject("GB-0", host::kClassGB, 0);
  const auto key = addRow(object, {{"FLAECHE", "2"}});
  open();
  testsupport::StderrCapture stderrText;
  edit("GB-0", key, "Flaechenanteil", "10");
  EXPECT_EQ(valueOf("GB-0", key, "FLAECHE"), "2");
  EXPECT_EQ(stderrText.text(), "[Warnung] ha-%-Umrechnung ohne Gesamtflächenangabe nicht möglich!\n");
}

TEST_F(AreaEdits, TheOwnWriteFindsTheOtherHandlerInactive) {
  const auto key = addRow(addObject("GB-1", host::kClassGB, 3.2), {});
  open().setNotifyOwnWrites(true);
  // 12.50 would come back as 12.5 if the hectare handler answered the write of FLAECHE.
  const std::string typed = userNumber("12", "50");
  edit("GB-1", key, "Flaechenanteil", typed);
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "0.4");
  EXPECT_EQ(valueOf("GB-1", key, "Flaechenanteil"), typed);
  EXPECT_EQ(host().callCount("tlSetValueByName"), 1);
  EXPECT_EQ(host().callCount("tlGetActiveGeoObject"), 1);
}

TEST_F(AreaEdits, FFHFlagFollowsALeadingDigit) {
  const auto key = addRow(addObject("BT-1", host::kClassBT, 1), {});
  open();
  EXPECT_EQ(edit("BT-1", key, "Oekotyp", "  6510 "), "  6510 ");
  EXPECT_EQ(valueOf("BT-1", key, "ist_FFHLRT"), "Wahr");
  edit("BT-1", key, "Oekotyp", "LRT");
  EXPECT_EQ(valueOf("BT-1", key, "ist_FFHLRT"), "Falsch");
}

TEST_F(AreaEdits, P62FlagFollowsAnyNonBlankValue) {
  const auto key = addRow(addObject("GB-1", host::kClassGB, 1), {});
  open();
  edit("GB-1", key, "P62_Typ", "30");
  EXPECT_EQ(valueOf("GB-1", key, "ist_P62_typ"), "Wahr");
  edit("GB-1", key, "P62_Typ", "   ");
  EXPECT_EQ(valueOf("GB-1", key, "ist_P62_typ"), "Falsch");
}

}  // namespace
