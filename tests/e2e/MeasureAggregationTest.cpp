// BT_FT_FPToMAS through the simulated host: shared areas from real polygons, species, the run.
#include <gtest/gtest.h>

#include <csignal>

#include "ClassCodes.h"
#include "MeasureAggregationSupport.h"

using e2e::localeNumber;
using host::kClassBT;
using host::kClassFP;
using host::kClassFT;
using host::kClassMAS;
using Lines = std::vector<std::string>;

namespace {

class BiotoptypenOfAMassnahme : public ::testing::Test {
 protected:
  void SetUp() override { project.strip(1, "M1", kClassMAS, 0, 1000); }  // 10 ha
  e2e::MeasureProject project;
};

TEST_F(BiotoptypenOfAMassnahme, TheSharedAreaAndItsShare) {
  project.strip(11, "B11", kClassBT, 750, 1150);  // 4 ha, 2.5 ha of them on the measure
  // A remark longer than the first buffer the host is handed arrives whole.
  const std::string remark = "alt" + std::string(5000, '.');
  project.biotopRow(11, "WBA", {{"Oekotyp", "9110"}, {"P62_Typ", "§ 30"}, {"Bemerkung", remark}});
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.biotopTypes("M1"), Lines{"WBA|" + localeNumber("2.5") + "|25"});
  const auto rows = project.tolvar().rows("M1", "BtypHtyp");
  EXPECT_EQ(rows[0].value("Oekotyp"), "9110");
  EXPECT_EQ(rows[0].value("P62_Typ"), "§ 30");
  EXPECT_EQ(rows[0].value("Bemerkung"), remark);
}

TEST_F(BiotoptypenOfAMassnahme, AreasOfOneCodeAddUp) {
  project.strip(11, "B11", kClassBT, 0, 125);
  project.strip(12, "B12", kClassBT, 200, 450);
  project.biotopRow(11, "GMF");
  project.biotopRow(12, "GMF");
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.biotopTypes("M1"), Lines{"GMF|" + localeNumber("3.75") + "|" + localeNumber("37.5")});
}

TEST_F(BiotoptypenOfAMassnahme, SharesAreNotRounded) {
  project.strip(3, "M3", kClassMAS, 2000, 2300);
  project.strip(31, "B31", kClassBT, 2000, 2100);
  project.biotopRow(31, "WBA");
  project.open();
  project.aggregate({"M3"});
  EXPECT_EQ(project.biotopTypes("M3"), Lines{"WBA|1|" + localeNumber("33.3333333333333")});
}

// B11 has two rows, so neither gets an area of its own.
TEST_F(BiotoptypenOfAMassnahme, ALaterObjectBringsTheAreaOfACode) {
  project.strip(11, "B11", kClassBT, 0, 300);
  project.strip(12, "B12", kClassBT, 500, 900);
  project.biotopRow(11, "WBA");
  project.biotopRow(11, "GMF");
  project.biotopRow(12, "WBA", {{"Bemerkung", "spaeter"}});
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.biotopTypes("M1"), (Lines{"WBA|4|40", "GMF||"}));
  EXPECT_EQ(project.tolvar().rows("M1", "BtypHtyp")[0].value("Bemerkung"), "");
}

TEST_F(BiotoptypenOfAMassnahme, LowerCasePrefixesAreStripped) {
  project.strip(11, "B11", kClassBT, 0, 300);
  for (const char* code : {"xGMF", "GMF", "XGMF", "x", "yWBA", "zOZ"}) project.biotopRow(11, code);
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.biotopTypes("M1"), (Lines{"GMF||", "GMF||", "XGMF||", "||", "WBA||", "OZ||"}));
}

TEST_F(BiotoptypenOfAMassnahme, RowsFollowTheQueryNotTheDatabase) {
  project.strip(20, "B20", kClassBT, 0, 300);
  project.strip(11, "B11", kClassBT, 400, 700);
  project.biotopRow(20, "ZWEI");
  project.biotopRow(20, "DREI");
  project.biotopRow(11, "EINS");
  project.strip(12, "B12", kClassBT, 1000, 1200);  // touches the measure's edge only
  project.biotopRow(12, "RAND");
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.biotopTypes("M1"), (Lines{"EINS|3|30", "ZWEI||", "DREI||"}));
}

class SpeciesOfAMeasure : public ::testing::Test {
 protected:
  void SetUp() override { project.strip(1, "M1", kClassMAS, 0, 1000); }
  void animals(std::int32_t id, const Lines& names) {
    project.point(id, "T" + std::to_string(id), kClassFT, 10.0 * id);
    project.species(id, "Tierliste", "Tierart", names);
  }
  void plants(std::int32_t id, const Lines& names) {
    project.point(id, "P" + std::to_string(id), kClassFP, 10.0 * id);
    project.species(id, "Pflanzenliste", "Pflanzenart", names);
  }
  e2e::MeasureProject project;
};

TEST_F(SpeciesOfAMeasure, AnimalsThenPlantsInTheQuerysOrder) {
  plants(40, {"Arnica montana"});
  animals(30, {"Lacerta agilis", "Bufo bufo"});
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.species("M1"), (Lines{"T:Lacerta agilis", "T:Bufo bufo", "P:Arnica montana"}));
}

TEST_F(SpeciesOfAMeasure, EachNameOncePerKindLetterCaseCounts) {
  animals(30, {"Lacerta agilis"});
  animals(31, {"Lacerta agilis", "lacerta agilis", "", ""});
  plants(40, {"Lacerta agilis"});
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.species("M1"), (Lines{"T:Lacerta agilis", "T:lacerta agilis", "T:", "P:Lacerta agilis"}));
}

TEST_F(SpeciesOfAMeasure, WithoutBiotopeTypesOneOZChainIsMade) {
  animals(30, {"Lacerta agilis", "Bufo bufo"});
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.dump("M1"),
            (Lines{"BtypHtyp: Biotoptyp=OZ", "  Vegetationstyp: Vegetationstyp=OZ",
                   "    Schichtung: Schicht=OZ", "      PlanungRelArten: PlanRel_T_Art=Lacerta agilis",
                   "      PlanungRelArten: PlanRel_T_Art=Bufo bufo"}));
}

TEST_F(SpeciesOfAMeasure, AnOZRowOfTheBiotopeTypesIsReused) {
  project.strip(11, "B11", kClassBT, 0, 300);
  project.biotopRow(11, "WBA");
  project.biotopRow(11, "OZ");
  animals(30, {"Bufo bufo"});
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(
      project.dump("M1"),
      (Lines{"BtypHtyp: Bemerkung= Biotoptyp=WBA Oekotyp= P62_Typ=",
             "BtypHtyp: Bemerkung= Biotoptyp=OZ Oekotyp= P62_Typ=", "  Vegetationstyp: Vegetationstyp=OZ",
             "    Schichtung: Schicht=OZ", "      PlanungRelArten: PlanRel_T_Art=Bufo bufo"}));
}

TEST_F(SpeciesOfAMeasure, NoSpeciesNoOZ) {
  project.strip(11, "B11", kClassBT, 0, 300);
  project.biotopRow(11, "WBA");
  animals(30, {});
  project.open();
  project.aggregate({"M1"});
  EXPECT_EQ(project.dump("M1").size(), 1U);
}

}  // namespace
