#include "areas/AreaConversion.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"

using namespace aggregate;

namespace {

class AreaNumbers : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }

  // Every by-name read answers this text; the table, field and count asked are remembered.
  void hostHolds(const std::string& text, int16_t flag = 1) {
    fakehost::hooks().getValueByName = [this, text, flag](const char* table, const char* field, char* buffer,
                                                          int32_t n) {
      asked = std::string(table) + "." + field;
      countGiven = n;
      if (flag != 0) fakehost::deliver(text, buffer, n);
      return flag;
    };
  }

  void geometryIs(int32_t geoType, double hostArea) {
    fakehost::hooks().getGeoTypeOf = [geoType](int32_t) { return geoType; };
    fakehost::hooks().getObjectArea = [hostArea](int32_t) { return hostArea; };
  }

  std::string asked;
  int32_t countGiven = 0;
};

TEST_F(AreaNumbers, FloatValueReadsEitherNotation) {
  hostHolds("2,5");
  EXPECT_EQ(GetFloatValue("BtypHtyp", "FLAECHE"), 2.5);
  EXPECT_EQ(countGiven, 1023);
  hostHolds(" 2.5 ");
  EXPECT_EQ(GetFloatValue("BtypHtyp", "FLAECHE"), 2.5);
}

TEST_F(AreaNumbers, FloatValueIsMinusOneForAnythingUnusable) {
  hostHolds("2,5", 0);
  EXPECT_EQ(GetFloatValue("BtypHtyp", "FLAECHE"), -1);
  hostHolds("");
  EXPECT_EQ(GetFloatValue("BtypHtyp", "FLAECHE"), -1);
  hostHolds("ca. 3 ha");
  EXPECT_EQ(GetFloatValue("BtypHtyp", "FLAECHE"), -1);
}

TEST_F(AreaNumbers, AreaGeometriesTakeTheHostsArea) {
  hostHolds("9");
  for (const int32_t geoType : {3, 14}) {
    geometryIs(geoType, 3.2);
    EXPECT_EQ(GetTotalArea(5), 3.2);
  }
  EXPECT_TRUE(asked.empty());
}

TEST_F(AreaNumbers, OtherGeometriesTakeTheRecordedArea) {
  geometryIs(1, 3.2);
  hostHolds("4,5");
  EXPECT_EQ(GetTotalArea(5), 4.5);
  EXPECT_EQ(asked, "LINFOS2.OffFlaech");
  hostHolds("", 0);
  EXPECT_EQ(GetTotalArea(5), -1);
}

TEST_F(AreaNumbers, NoUsableTotalAreaWarns) {
  testdoubles::RecordingUserInterface ui;
  geometryIs(3, 0);
  EXPECT_FALSE(UsableTotalArea(5).has_value());
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
  EXPECT_EQ(ui.messages[0].text, "ha-%-Umrechnung ohne Gesamtflächenangabe nicht möglich!");
  geometryIs(3, 0.5);
  EXPECT_EQ(UsableTotalArea(5), 0.5);
  EXPECT_EQ(ui.messages.size(), 1U);
}

TEST(AreaFigures, RoundedToFourDecimalsAndWrittenWithAPoint) {
  const AreaFigure hectares = PercentToHectares(12.5, 3.2);
  EXPECT_EQ(hectares.value, 0.4);
  EXPECT_EQ(hectares.text, "0.4");
  const AreaFigure percent = HectaresToPercent(1, 3);
  EXPECT_EQ(percent.value, 33.3333);
  EXPECT_EQ(percent.text, "33.3333");
  EXPECT_EQ(HectaresToPercent(0, 3).text, "0");
}

TEST(AreaFigures, ExactHalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(PercentToHectares(1.03125, 100).text, "1.0312");
  EXPECT_EQ(PercentToHectares(1.09375, 100).text, "1.0938");
}

}  // namespace
