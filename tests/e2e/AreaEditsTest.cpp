// Editing area and flag fields of biotope-type rows in the simulated host, with the plug-in's
// handlers attached as the host attaches them by default.
#include <map>
#include <string>
#include <vector>

#include "ClassCodes.h"
#include "PluginSession.h"

namespace {

using e2e::addArea;
using e2e::areaText;

class AreaEdits : public e2e::PluginSession {
 protected:
  // One BtypHtyp row on a new object of that class and area.
  int64_t rowOn(int32_t id, const std::string& kennung, int32_t classCode, double hectares,
                const host::FieldValues& fields = {}) {
    addArea(project, id, kennung, classCode, hectares);
    return project.addRow("BtypHtyp", id, std::nullopt, fields);
  }

  // Gives what the host stored; the handlers' console trace lands in trace.
  std::string edit(const std::string& kennung, int64_t key, const std::string& field,
                   const std::string& value) {
    testsupport::StderrCapture capture;
    const std::string stored = host->editField(kennung, "BtypHtyp", key, field, value);
    trace = capture.text();
    return stored;
  }

  std::string valueOf(const std::string& kennung, int64_t key, const std::string& field) const {
    return PluginSession::valueOf(kennung, "BtypHtyp", key, field);
  }
};

TEST_F(AreaEdits, PercentageOfAGBRowGivesItsHectaresWithAPoint) {
  const auto key = rowOn(1, "GB-1", host::kClassGB, 3.2);
  open();
  EXPECT_EQ(edit("GB-1", key, "Flaechenanteil", areaText("12.5")), areaText("12.5"));
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "0.4");
}

TEST_F(AreaEdits, HectaresOfABKRowGiveItsPercentage) {
  const auto key = rowOn(1, "BK-1", host::kClassBK, 3);
  open();
  edit("BK-1", key, "FLAECHE", "1");
  EXPECT_EQ(valueOf("BK-1", key, "Flaechenanteil"), "33.3333");
}

TEST_F(AreaEdits, HalvesAreRoundedToTheEvenNeighbour) {
  const auto key = rowOn(1, "GB-1", host::kClassGB, 100);
  open();
  edit("GB-1", key, "Flaechenanteil", areaText("1.03125"));
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "1.0312");
}

// 1e307 ha give a share beyond the largest double.
TEST_F(AreaEdits, AnInfiniteOrUndefinedFigureIsRefusedWithAMessage) {
  const std::vector<std::string> typed = {"INF", "inf", "NaN", "-nan", "1e307"};
  std::vector<int64_t> keys;
  for (std::size_t i = 0; i < typed.size(); ++i)
    keys.push_back(rowOn(static_cast<int32_t>(i + 1), "GB-" + std::to_string(i), host::kClassGB, 4));
  open();
  for (std::size_t i = 0; i < typed.size(); ++i) {
    edit("GB-" + std::to_string(i), keys[i], "FLAECHE", typed[i]);
    EXPECT_EQ(valueOf("GB-" + std::to_string(i), keys[i], "Flaechenanteil"), "") << typed[i];
    EXPECT_NE(trace.find("[Warnung]"), std::string::npos) << typed[i];
  }
}

TEST_F(AreaEdits, PointTypedUnderACommaLocaleWritesNothing) {
  if (areaText(".") != ",") GTEST_SKIP() << "needs a locale with a decimal comma";
  const auto key = rowOn(1, "GB-1", host::kClassGB, 3.2, {{"FLAECHE", "2"}});
  open();
  EXPECT_EQ(edit("GB-1", key, "Flaechenanteil", "12.5"), "12.5");
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "2");
  EXPECT_EQ(trace,
            "[Warnung] Der Wert \"12.5\" ist keine Zahl mit dem Dezimaltrennzeichen \",\"; die Fläche wurde "
            "nicht umgerechnet.\n");
}

TEST_F(AreaEdits, OtherClassesAreLeftUntouched) {
  const std::map<std::string, int64_t> keys = {
      {"BT-1", rowOn(1, "BT-1", host::kClassBT, 3.2, {{"FLAECHE", "9"}})},
      {"FSN-1", rowOn(2, "FSN-1", host::kClassFSN, 3.2, {{"FLAECHE", "9"}})},
      {"MAS-1", rowOn(3, "MAS-1", host::kClassMAS, 3.2, {{"FLAECHE", "9"}})}};
  open();
  for (const auto& [kennung, key] : keys) {
    edit(kennung, key, "Flaechenanteil", "50");
    EXPECT_EQ(valueOf(kennung, key, "Flaechenanteil"), "50") << kennung;
    EXPECT_EQ(valueOf(kennung, key, "FLAECHE"), "9") << kennung;
    EXPECT_EQ(trace, "") << kennung;
  }
  EXPECT_EQ(host->callCount("tlSetValueByName"), 0);
}

TEST_F(AreaEdits, WithoutTotalAreaTheUserIsWarned) {
  project.addObject(1, "GB-0", host::kClassGB, "");
  const auto key = project.addRow("BtypHtyp", 1, std::nullopt, {{"FLAECHE", "2"}});
  open();
  edit("GB-0", key, "Flaechenanteil", "10");
  EXPECT_EQ(valueOf("GB-0", key, "FLAECHE"), "2");
  EXPECT_EQ(trace, "[Warnung] ha-%-Umrechnung ohne Gesamtflächenangabe nicht möglich!\n");
}

TEST_F(AreaEdits, TheOwnWriteFindsTheOtherHandlerInactive) {
  const auto key = rowOn(1, "GB-1", host::kClassGB, 3.2);
  open();
  host->setNotifyOwnWrites(true);
  // 12.50 would come back as 12.5 if the hectare handler answered the write of FLAECHE.
  edit("GB-1", key, "Flaechenanteil", areaText("12.50"));
  EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "0.4");
  EXPECT_EQ(valueOf("GB-1", key, "Flaechenanteil"), areaText("12.50"));
  EXPECT_EQ(host->callCount("tlSetValueByName"), 1);
  EXPECT_EQ(host->callCount("tlGetActiveGeoObject"), 1);
}

// Attached to their own flag fields, or each to the other's, with own writes reported.
TEST_F(AreaEdits, AFlagHandlerAnsweringItsOwnWriteDoesNotRecurse) {
  for (const auto& [ffhField, p62Field] :
       {std::pair{"ist_FFHLRT", "ist_P62_typ"}, {"ist_P62_typ", "ist_FFHLRT"}}) {
    SCOPED_TRACE(ffhField);
    project = host::ProjectBuilder{};
    const auto key = rowOn(1, "GB-1", host::kClassGB, 4);
    project.setHandlers({{std::string("BtypHtyp.") + ffhField, "SetFFHFlag"},
                         {std::string("BtypHtyp.") + p62Field, "SetP62Flag"},
                         {"BtypHtyp.Flaechenanteil", "FlaechenanteilChanged"}});
    open(ffhField);
    host->setNotifyOwnWrites(true);
    host->resetCallCounts();
    edit("GB-1", key, "ist_FFHLRT", "6510");
    EXPECT_EQ(host->callCount("tlSetValueByName"), 1);
    edit("GB-1", key, "Flaechenanteil", "50");
    EXPECT_EQ(valueOf("GB-1", key, "FLAECHE"), "2") << "BusyFlag was left set";
  }
}

TEST_F(AreaEdits, AreasWrittenByATransferGetTheirPercentages) {
  const host::FieldValues wq = {{"Biotoptyp", "WQ"}, {"Oekotyp", "x"}, {"P62_Typ", "p"}};
  rowOn(1, "BT1", host::kClassBT, 2, wq);
  rowOn(2, "BT2", host::kClassBT, 1.5, {{"Biotoptyp", "NSS"}, {"Oekotyp", ""}, {"P62_Typ", "p"}});
  host::FieldValues recorded = wq;
  recorded["FLAECHE"] = "1";
  recorded["Flaechenanteil"] = "10";
  rowOn(3, "GB1", host::kClassGB, 10, recorded);
  open();
  host->setNotifyOwnWrites(true);
  run("BTToGB", {"BT1", "BT2", "GB1"});
  const auto target = rows("GB1", "BtypHtyp");
  ASSERT_EQ(values(target, "Biotoptyp"), (std::vector<std::string>{"WQ", "NSS"}));
  EXPECT_EQ(values(target, "FLAECHE"), (std::vector<std::string>{"3", areaText("1.5")}));
  EXPECT_EQ(values(target, "Flaechenanteil"), (std::vector<std::string>{"30", "15"}));
}

TEST_F(AreaEdits, FFHFlagFollowsALeadingDigit) {
  const auto key = rowOn(1, "BT-1", host::kClassBT, 1);
  open();
  EXPECT_EQ(edit("BT-1", key, "Oekotyp", "  6510 "), "  6510 ");
  EXPECT_EQ(valueOf("BT-1", key, "ist_FFHLRT"), "Wahr");
  edit("BT-1", key, "Oekotyp", "LRT 6510");
  EXPECT_EQ(valueOf("BT-1", key, "ist_FFHLRT"), "Falsch");
  edit("BT-1", key, "Oekotyp", "0");
  EXPECT_EQ(valueOf("BT-1", key, "ist_FFHLRT"), "Wahr");
  edit("BT-1", key, "Oekotyp", "");
  EXPECT_EQ(valueOf("BT-1", key, "ist_FFHLRT"), "Falsch");
}

TEST_F(AreaEdits, P62FlagFollowsAnyNonBlankValue) {
  const auto key = rowOn(1, "GB-1", host::kClassGB, 1);
  open();
  edit("GB-1", key, "P62_Typ", "30");
  EXPECT_EQ(valueOf("GB-1", key, "ist_P62_typ"), "Wahr");
  edit("GB-1", key, "P62_Typ", "   ");
  EXPECT_EQ(valueOf("GB-1", key, "ist_P62_typ"), "Falsch");
}

}  // namespace
