#include "areas/AreaBalance.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/BusyFlag.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "hostdata/ObjectClasses.h"

using namespace aggregate;

namespace {

// A GB object of 4 ha with one BtypHtyp row of 1 ha; every write records whether BusyFlag was held.
class AreaBalanceGuard : public ::testing::Test {
 protected:
  void SetUp() override {
    fakehost::reset();
    BusyFlag = false;
    auto& hooks = fakehost::hooks();
    hooks.getActiveGeoObject = [] { return 5; };
    hooks.getClassOf = [this](int32_t) { return classCode; };
    hooks.getGeoTypeOf = [](int32_t) { return 3; };
    hooks.getObjectArea = [](int32_t) { return 4.0; };
    hooks.tableFirst = [this](const char*) {
      rowsLeft = 1;
      return int16_t{1};
    };
    hooks.tableEOF = [this](const char*) { return int16_t{rowsLeft == 0}; };
    hooks.tableNext = [this](const char*) {
      --rowsLeft;
      return int16_t{1};
    };
    hooks.getValueByName = [](const char*, const char* field, char* buffer, int32_t n) {
      return fakehost::deliver(std::string(field) == "FLAECHE" ? "1" : "", buffer, n);
    };
    hooks.setValueByName = [this](const char*, const char* field, const char*) {
      writes.push_back(field);
      EXPECT_TRUE(BusyFlag) << field;
      return int16_t{1};
    };
  }
  void TearDown() override {
    fakehost::reset();
    BusyFlag = false;
  }

  testdoubles::RecordingUserInterface ui;
  int32_t classCode = kClassGB;
  int rowsLeft = 0;
  std::vector<std::string> writes;
};

TEST_F(AreaBalanceGuard, RunsHoldingBusyFlagAndClearsIt) {
  BalanceAreasOfActiveObject(ui);
  EXPECT_EQ(writes, (std::vector<std::string>{"Flaechenanteil", "Ges_Fl", "Ges_Proz"}));
  EXPECT_FALSE(BusyFlag);
}

TEST_F(AreaBalanceGuard, DoesNothingWhileBusy) {
  BusyFlag = true;
  BalanceAreasOfActiveObject(ui);
  EXPECT_TRUE(fakehost::calls().empty());
  EXPECT_TRUE(BusyFlag);
}

TEST_F(AreaBalanceGuard, OtherClassesAreLeftAloneWithoutTakingTheFlag) {
  // Class 0: no active object, or one whose class the host cannot name.
  for (const int32_t other : {kClassBT, kClassMAS, kClassFT, 0}) {
    classCode = other;
    fakehost::hooks().tableFirst = [](const char*) -> int16_t {
      ADD_FAILURE() << "rows walked";
      return 0;
    };
    BalanceAreasOfActiveObject(ui);
  }
  EXPECT_TRUE(writes.empty());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AreaBalanceGuard, FailureInsideTheRunClearsBusyFlag) {
  fakehost::hooks().tableNext = [](const char*) -> int16_t { throw std::runtime_error("host broke"); };
  EXPECT_THROW(BalanceAreasOfActiveObject(ui), std::runtime_error);
  EXPECT_FALSE(BusyFlag);
}

TEST(AreaTolerance, TenForBKTwoOtherwise) {
  EXPECT_EQ(GetAreaTolerance(kClassBK), 10);
  EXPECT_EQ(GetAreaTolerance(kClassGB), 2);
  EXPECT_EQ(GetAreaTolerance(kClassFSN), 2);
}

}  // namespace
