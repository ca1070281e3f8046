// The measure command's guard, its early ends and its clean-up, against a scripted host.
#include "measures/MeasureRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>

#include "boundary/BusyFlag.h"
#include "boundary/ExportGuard.h"
#include "boundary/ObjectClasses.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
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

TEST_F(MeasureRun, WithoutMeasuresOnlyAWarning) {
  testdoubles::RecordingUserInterface ui;
  selection = {{5, kClassBT}};
  run();
  EXPECT_EQ(fakehost::calls(),
            (std::vector<std::string>{"tlBeginUpdate", "tlIterateObjects", "tlEndUpdate"}));
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
  EXPECT_EQ(ui.messages[0].text, "Kein Objekt der Klasse MAS (Massnahmen) selektiert!");
  EXPECT_TRUE(ui.windowEvents.empty());
  EXPECT_FALSE(BusyFlag);
}

TEST_F(MeasureRun, NoDatabaseStopsBeforeTheFirstMeasure) {
  testdoubles::RecordingUserInterface ui;
  selection = {{7, kClassMAS}, {5, kClassBT}};
  database = kFixtures + "/fehlt.mdb";
  run();
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].text,
            "Verbindung zur Projektdatenbank " + database + "  konnte nicht aufgebaut werden!");
  for (const char* untouched : {"tlDeselectAll", "tlSetActiveObject", "tlTableFirst", "tlDeleteRecord"})
    EXPECT_EQ(count(untouched), 0) << untouched;
  EXPECT_EQ(fakehost::calls().back(), "tlEndUpdate");
  EXPECT_EQ(ui.windowEvents.back(), "close " + Ansi("Aggregation von Maßnahme-Objekten"));
  EXPECT_EQ(ui.cursorChanges, (std::vector<bool>{true, false}));
  EXPECT_FALSE(BusyFlag);
}

TEST_F(MeasureRun, AnErrorEndsTheRunNamingTheMeasureAndCleansUp) {
  testdoubles::RecordingUserInterface ui;
  selection = {{7, kClassMAS}, {5, kClassBT}, {8, kClassMAS}};
  // A row whose key cannot be read is never deleted.
  fakehost::hooks().tableEOF = [](const char*) -> int16_t { return 0; };
  run();
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
  EXPECT_NE(ui.messages[0].text.find(Ansi("Die Maßnahme M7 (1 von 2) wurde nicht vollständig aggregiert")),
            std::string::npos);
  EXPECT_EQ(count("tlSetActiveObject"), 1);
  EXPECT_EQ(count("tlAddToSelection"), 0);
  EXPECT_EQ(fakehost::calls().back(), "tlEndUpdate");
  EXPECT_EQ(ui.windowEvents.back(), "close " + Ansi("Aggregation von Maßnahme-Objekten"));
  EXPECT_FALSE(BusyFlag);
  ui.messages.clear();
  fakehost::hooks().tableEOF = [](const char*) -> int16_t { return 1; };
  run();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(count("tlSetActiveObject"), 3);
}

// Through the console face: Ctrl-C while the second of five measures is processed.
TEST_F(MeasureRun, CtrlCDuringAMeasureEndsTheRunAfterIt) {
  selection = {{1, kClassMAS}, {2, kClassMAS}, {3, kClassMAS}, {4, kClassMAS}, {5, kClassMAS}, {9, kClassFT}};
  int labelled = 0;
  fakehost::hooks().tableFirst = [&labelled](const char*) -> int16_t {
    if (labelled == 2) std::raise(SIGINT);
    return 1;
  };
  fakehost::hooks().getObjectData = [&labelled](TObjectInfo* info) -> int16_t {
    labelled = info->ObjectID;
    std::strcpy(info->Kennung, ("M" + std::to_string(info->ObjectID)).c_str());
    return 1;
  };
  run();
  EXPECT_EQ(count("tlSetActiveObject"), 2);
  EXPECT_EQ(count("tlAddToSelection"), 6);
  EXPECT_FALSE(BusyFlag);
}

}  // namespace
