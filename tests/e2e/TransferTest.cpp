// The four transfer commands through the simulated host: what the target holds afterwards,
// what the user sees, and which selections are refused.
#include "ClassCodes.h"
#include "PluginSession.h"

namespace {

using e2e::addArea;
using e2e::areaText;

class Transfer : public e2e::PluginSession {
 protected:
  // Two BT objects of 2 and 1.5 ha, each with one row WQ / x / p, and an empty GB object.
  void twoSourcesAndATarget() {
    addArea(project, 1, "BT1", host::kClassBT, 2);
    addArea(project, 2, "BT2", host::kClassBT, 1.5);
    addArea(project, 3, "GB1", host::kClassGB, 4);
    for (int32_t id : {1, 2}) sourceRows.push_back(btyp(id, "WQ"));
  }
  int64_t btyp(int32_t id, const std::string& code, const std::string& flaeche = "",
               const std::string& oekotyp = "x") {
    return project.addRow(
        "BtypHtyp", id, std::nullopt,
        {{"Biotoptyp", code}, {"Oekotyp", oekotyp}, {"P62_Typ", "p"}, {"FLAECHE", flaeche}});
  }
  int64_t child(const std::string& table, int32_t id, int64_t parent, const host::FieldValues& fields) {
    return project.addRow(table, id, parent, fields);
  }

  std::vector<int64_t> sourceRows;
};

TEST_F(Transfer, EqualRowsOfTwoSourcesBecomeOneRowWithTheSumOfTheirObjectAreas) {
  twoSourcesAndATarget();
  open();
  run("BTToGB", {"BT1", "BT2", "GB1"});
  const auto target = rows("GB1", "BtypHtyp");
  ASSERT_EQ(target.size(), 1U);
  EXPECT_EQ(target[0].value("Biotoptyp"), "WQ");
  EXPECT_EQ(target[0].value("Oekotyp"), "x");
  EXPECT_EQ(target[0].value("P62_Typ"), "p");
  EXPECT_EQ(target[0].value("FLAECHE"), areaText("3.5"));
  EXPECT_EQ(trace,
            "[Fenster] Datenübertragung BT -> GB\n[Status] Lese Daten von BT1\n[Status] Lese Daten von BT2\n"
            "[Status] Lese Daten von GB1\n[Status] Schreibe Daten\n[Fenster zu] Datenübertragung BT -> GB\n");
}

TEST_F(Transfer, AMatchingTargetRowAddsUpAgainOnEveryRun) {
  twoSourcesAndATarget();
  btyp(3, "WQ", "1");
  open();
  run("BTToGB", {"BT1", "BT2", "GB1"});
  ASSERT_EQ(rows("GB1", "BtypHtyp").size(), 1U);
  EXPECT_EQ(rows("GB1", "BtypHtyp")[0].value("FLAECHE"), areaText("4.5"));
  run("BTToGB", {"BT1", "BT2", "GB1"});
  ASSERT_EQ(rows("GB1", "BtypHtyp").size(), 1U);
  EXPECT_EQ(rows("GB1", "BtypHtyp")[0].value("FLAECHE"), "8");
}

TEST_F(Transfer, AnotherOekotypIsAppendedAsANewRow) {
  twoSourcesAndATarget();
  btyp(3, "WQ", "1", "y");
  open();
  run("BTToGB", {"BT1", "BT2", "GB1"});
  const auto target = rows("GB1", "BtypHtyp");
  ASSERT_EQ(target.size(), 2U);
  EXPECT_EQ(target[0].value("Oekotyp"), "y");
  EXPECT_EQ(target[0].value("FLAECHE"), "1");
  EXPECT_EQ(target[1].value("Oekotyp"), "x");
  EXPECT_EQ(target[1].value("FLAECHE"), areaText("3.5"));
}

TEST_F(Transfer, EachRowOfASourceCarriesTheWholeObjectArea) {
  addArea(project, 1, "BT1", host::kClassBT, 2);
  addArea(project, 3, "BK1", host::kClassBK, 4);
  btyp(1, "WQ");
  btyp(1, "WF");
  open();
  run("BTToBK", {"BT1", "BK1"});
  const auto target = rows("BK1", "BtypHtyp");
  EXPECT_EQ(values(target, "Biotoptyp"), (std::vector<std::string>{"WF", "WQ"}));
  EXPECT_EQ(values(target, "FLAECHE"), (std::vector<std::string>{"2", "2"}));
}

TEST_F(Transfer, GBToBKTakesTheRowAreasOfTheGBSource) {
  addArea(project, 1, "GB1", host::kClassGB, 9);
  addArea(project, 3, "BK1", host::kClassBK, 9);
  btyp(1, "WQ", "1.25");
  btyp(3, "WQ", "1");
  open();
  run("GBToBK", {"GB1", "BK1"});
  EXPECT_EQ(values(rows("BK1", "BtypHtyp"), "FLAECHE"), (std::vector<std::string>{areaText("2.25")}));
}

TEST_F(Transfer, BTToFSNReplacesTheTargetRowsAndCarriesCodesButNoVegetationTypes) {
  twoSourcesAndATarget();
  addArea(project, 4, "FSN1", host::kClassFSN, 4);
  const auto old = btyp(4, "AL", "7");
  child("Zusatzcodes", 4, old, {{"Zusatzcode", "alt"}});
  btyp(4, "WQ", "1");
  child("Zusatzcodes", 1, sourceRows[0], {{"Zusatzcode", "a"}});
  child("Zusatzcodes", 2, sourceRows[1], {{"Zusatzcode", "b"}});
  child("Vegetationstyp", 1, sourceRows[0], {{"Vegetationstyp", "V"}});
  open();
  run("BTToFSN", {"BT1", "BT2", "FSN1"});
  const auto target = rows("FSN1", "BtypHtyp");
  ASSERT_EQ(target.size(), 1U);
  EXPECT_EQ(target[0].value("Biotoptyp"), "WQ");
  EXPECT_EQ(target[0].value("FLAECHE"), areaText("3.5"));
  EXPECT_EQ(values(below("FSN1", "Zusatzcodes", target[0]), "Zusatzcode"),
            (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(rows("FSN1", "Zusatzcodes").size(), 2U) << "the old row's codes go with it";
  EXPECT_TRUE(rows("FSN1", "Vegetationstyp").empty());
}

TEST_F(Transfer, SubRecordsArriveWhereTheTargetLacksThemAndExistingRowsStayAsTheyAre) {
  addArea(project, 1, "BT1", host::kClassBT, 2);
  addArea(project, 2, "BT2", host::kClassBT, 1.5);
  addArea(project, 3, "GB1", host::kClassGB, 4);
  // Target: WQ / V / K with Carex in class 2.
  const auto targetRow = btyp(3, "WQ", "1");
  const auto targetVeg = child("Vegetationstyp", 3, targetRow, {{"Vegetationstyp", "V"}});
  const auto targetK = child("Schichtung", 3, targetVeg, {{"Schicht", "K"}});
  child("Pflanzenliste", 3, targetK, {{"Pflanzenart", "Carex"}, {"Anzahl_klass", "2"}});
  // BT1: V / K with Carex 5 and Poa 1; a new layer B with Salix, Bufo and an animal row without species.
  const auto row1 = btyp(1, "WQ");
  const auto veg1 = child("Vegetationstyp", 1, row1, {{"Vegetationstyp", "V"}});
  const auto k1 = child("Schichtung", 1, veg1, {{"Schicht", "K"}});
  child("Pflanzenliste", 1, k1, {{"Pflanzenart", "Carex"}, {"Anzahl_klass", "5"}});
  child("Pflanzenliste", 1, k1, {{"Pflanzenart", "Poa"}, {"Anzahl_klass", "1"}});
  const auto b1 = child("Schichtung", 1, veg1, {{"Schicht", "B"}});
  child("Pflanzenliste", 1, b1, {{"Pflanzenart", "Salix"}, {"Anzahl_klass", "2"}});
  child("Tierliste", 1, b1, {{"Tierart", "Bufo"}});
  child("Tierliste", 1, b1, {{"Tierart", ""}});
  // BT2: V / K with Poa 3 and an animal row without species.
  const auto row2 = btyp(2, "WQ");
  const auto veg2 = child("Vegetationstyp", 2, row2, {{"Vegetationstyp", "V"}});
  const auto k2 = child("Schichtung", 2, veg2, {{"Schicht", "K"}});
  child("Pflanzenliste", 2, k2, {{"Pflanzenart", "Poa"}, {"Anzahl_klass", "3"}});
  child("Tierliste", 2, k2, {{"Tierart", "  "}});
  open();
  run("BTToGB", {"BT1", "BT2", "GB1"});

  const auto target = rows("GB1", "BtypHtyp");
  ASSERT_EQ(target.size(), 1U);
  EXPECT_EQ(target[0].value("FLAECHE"), areaText("4.5"));
  const auto vegetation = below("GB1", "Vegetationstyp", target[0]);
  ASSERT_EQ(vegetation.size(), 1U);
  const auto layers = below("GB1", "Schichtung", vegetation[0]);
  ASSERT_EQ(values(layers, "Schicht"), (std::vector<std::string>{"K", "B"}));
  const auto k = below("GB1", "Pflanzenliste", layers[0]);
  EXPECT_EQ(values(k, "Pflanzenart"), (std::vector<std::string>{"Carex", "Poa"}));
  EXPECT_EQ(values(k, "Anzahl_klass"), (std::vector<std::string>{"2", ""}));
  EXPECT_EQ(values(below("GB1", "Pflanzenliste", layers[1]), "Pflanzenart"),
            (std::vector<std::string>{"Salix"}));
  EXPECT_EQ(values(below("GB1", "Pflanzenliste", layers[1]), "Anzahl_klass"),
            (std::vector<std::string>{"2"}));
  EXPECT_EQ(values(rows("GB1", "Tierliste"), "Tierart"), (std::vector<std::string>{"Bufo"}));
}

TEST_F(Transfer, NothingSelectedNamesBothRulesAndRunsNothing) {
  addArea(project, 4, "FSN1", host::kClassFSN, 4);
  open();
  run("BTToFSN", {});
  EXPECT_EQ(
      trace,
      "[Fehler] Es muss mindestens ein Objekt der Klasse BT (Biotoptypen) ausgewählt sein!\n"
      "[Fehler] Es muss genau ein Objekt der Klasse FSN (Flurstücke des Naturschutzes) ausgewählt sein!\n");
}

TEST_F(Transfer, TwoTargetsAndNoSourceAreRefusedInThatOrder) {
  addArea(project, 3, "GB1", host::kClassGB, 4);
  addArea(project, 4, "GB2", host::kClassGB, 4);
  btyp(3, "WQ", "1");
  open();
  run("BTToGB", {"GB1", "GB2"});
  EXPECT_EQ(
      trace,
      "[Fehler] Es muss mindestens ein Objekt der Klasse BT (Biotoptypen) ausgewählt sein!\n"
      "[Fehler] Es muss genau ein Objekt der Klasse GB (Gesetzlich geschuetzte Biotope) ausgewählt sein!\n");
  EXPECT_EQ(values(rows("GB1", "BtypHtyp"), "FLAECHE"), (std::vector<std::string>{"1"}));
}

TEST_F(Transfer, AnObjectOfAThirdClassIsRefusedWithTheTargetNamedFirst) {
  twoSourcesAndATarget();
  addArea(project, 4, "FSN1", host::kClassFSN, 4);
  open();
  run("BTToGB", {"BT1", "GB1", "FSN1"});
  EXPECT_EQ(
      trace,
      "[Fehler] Es dürfen nur Objekte der Klassen GB (Gesetzlich geschuetzte Biotope) und BT (Biotoptypen) "
      "ausgewählt sein!\n");
  EXPECT_TRUE(rows("GB1", "BtypHtyp").empty());
}

TEST_F(Transfer, AnUnreadableTargetAreaStopsTheRunAndLeavesTheTargetAlone) {
  twoSourcesAndATarget();
  btyp(3, "WQ", "viel");
  project.createChangeList({{"GB1", "IGNORED"}});
  open();
  run("BTToGB", {"BT1", "BT2", "GB1"});
  EXPECT_EQ(values(rows("GB1", "BtypHtyp"), "FLAECHE"), (std::vector<std::string>{"viel"}));
  EXPECT_EQ(traceLines("[Fenster zu]").size(), 1U);
  const auto errors = traceLines("[Fehler]");
  ASSERT_EQ(errors.size(), 1U);
  EXPECT_NE(errors[0].find("abgebrochen"), std::string::npos);
  EXPECT_LT(trace.find("[Fenster zu]"), trace.find("[Fehler]")) << "the form is closed before the message";
  EXPECT_EQ(host::readChangeList(host->changeListPath())[0].changed, "IGNORED");
}

// A BT polygon far out of range has an area that is no finite number: no transfer writes it, and
// the FSN target whose rows would be replaced keeps them.
TEST_F(Transfer, AnObjectAreaThatIsNoFiniteNumberStopsTheTransferBeforeTheTargetChanges) {
  project.addRectangle(1, "BT-fern", host::kClassBT, 0, 0, 1e160, 1e160);
  btyp(1, "WQ");
  addArea(project, 3, "GB1", host::kClassGB, 4);
  btyp(3, "WQ", "1");
  addArea(project, 4, "FSN1", host::kClassFSN, 4);
  btyp(4, "AL", "2");
  open();
  for (const auto& [command, target] : {std::pair{"BTToGB", "GB1"}, std::pair{"BTToFSN", "FSN1"}}) {
    const auto before = values(rows(target, "BtypHtyp"), "FLAECHE");
    run(command, {"BT-fern", target});
    EXPECT_EQ(values(rows(target, "BtypHtyp"), "FLAECHE"), before) << command;
    const auto errors = traceLines("[Fehler]");
    ASSERT_EQ(errors.size(), 1U) << trace;
    EXPECT_EQ(errors[0],
              "[Fehler] Die Datenübertragung wurde abgebrochen; es wurden keine Biotoptypen übertragen.");
    EXPECT_NE(trace.find("Die Fläche von BT-fern ist keine endliche Zahl."), std::string::npos) << trace;
  }
}

}  // namespace
