// The measure command's guard, and its end and clean-up when a measure fails.
#include "measures/MeasureRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "common/BusyFlag.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "exports/ExportBarrier.h"
#include "hostdata/ObjectClasses.h"
#include "platform/TextEncoding.h"

using namespace aggregate;

namespace {

const std::string kFixtures = AGGREGATE_FIXTURES_DIR;

class MeasureRun : public ::testing::Test {
 protected:
  // A host whose selection holds these objects, whose measures carry nothing and whose tables
  // are empty.
  void SetUp() override {
    fakehost::reset();
    auto& hooks = fakehost::hooks();
    hooks.iterateObjects = [this](int32_t, const char* module, const char* exportName) -> int16_t {
      EXPECT_STREQ(module, "aggregate.dll");
      EXPECT_STREQ(exportName, "FindSelectedMAS");
      for (auto [id, classCode] : selection) {
        const std::string kennung = "M" + std::to_string(id);
        TObjectInfo info{0, const_cast<char*>(kennung.c_str()), classCode, id};
        FindSelectedMAS(&info);
      }
      return 1;
    };
    hooks.getObjectData = [](TObjectInfo* info) -> int16_t {
      std::strcpy(info->Kennung, ("M" + std::to_string(info->ObjectID)).c_str());
      return 1;
    };
    hooks.getProjectDB = [this](char* buffer, int32_t n) { return fakehost::deliver(database, buffer, n); };
    hooks.tableEOF = [](const char*) -> int16_t { return 1; };
  }
  void TearDown() override {
    fakehost::reset();
    BusyFlag = false;
  }

  void run() {
    EXPECT_EQ(RunExport(kCommandResult, [] { AggregateSelectedMeasures(); }), -1);
  }

  static int64_t count(const std::string& function) {
    return std::count(fakehost::calls().begin(), fakehost::calls().end(), function);
  }

  std::vector<std::pair<int32_t, int32_t>> selection;
  std::string database = kFixtures + "/project_small.mdb";
};

TEST_F(MeasureRun, RefusedWhileBusy) {
  testdoubles::RecordingUserInterface ui;
  BusyFlag = true;
  run();
  EXPECT_TRUE(fakehost::calls().empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(BusyFlag);
}

TEST_F(MeasureRun, AnErrorEndsTheRunNamingTheMeasureAndCleansUp) {
  testdoubles::RecordingUserInterface ui;
  selection = {{7, kClassMAS}, {5, kClassBT}, {8, kClassMAS}};
  // A row whose key cannot be read is never deleted.
  fakehost::hooks().tableEOF = [](const char*) -> int16_t { return 0; };
  run();
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
  EXPECT_NE(ui.messages[0].text.find("Die Maßnahme M7 (1 von 2) wurde nicht vollständig aggregiert"),
            std::string::npos);
  EXPECT_EQ(count("tlSetActiveObject"), 1);
  EXPECT_EQ(count("tlAddToSelection"), 3);  // the selection comes back all the same
  EXPECT_EQ(fakehost::calls().back(), "tlEndUpdate");
  EXPECT_EQ(ui.windowEvents.back(), "close Aggregation von Maßnahme-Objekten");
  EXPECT_FALSE(BusyFlag);
  ui.messages.clear();
  fakehost::hooks().tableEOF = [](const char*) -> int16_t { return 1; };
  run();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(count("tlSetActiveObject"), 3);
}

}  // namespace
