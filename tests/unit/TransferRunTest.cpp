// How a transfer run ends when the target resists: a row that cannot be deleted, an area that
// is no number. Every object shares one scripted table tree; the run is driven as the export
// drives it, with the host iterating the selection through the callback.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "doubles/FakeHost.h"
#include "doubles/FakeTables.h"
#include "doubles/RecordingUserInterface.h"
#include "exports/ExportBarrier.h"
#include "hostdata/ObjectClasses.h"
#include "platform/TextEncoding.h"
#include "transfer/TransferRun.h"
#include "transfer/TransferSelection.h"

using namespace aggregate;
using testdoubles::Row;

namespace {

class TransferRun : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }

  // Selects a BT object (1) and a target of targetClass (2), then runs the command.
  void run(TransferKind kind, int32_t targetClass) {
    fakehost::hooks().iterateObjects = [targetClass](int32_t, const char*, const char*) -> int16_t {
      char kennung[] = "ZIEL";
      TObjectInfo source{0, kennung, kClassBT, 1};
      TObjectInfo target{0, kennung, targetClass, 2};
      CheckObjectSelection(&source);
      CheckObjectSelection(&target);
      return 1;
    };
    fakehost::hooks().getClassOf = [targetClass](int32_t id) { return id == 1 ? kClassBT : targetClass; };
    fakehost::hooks().getObjectData = [](TObjectInfo* info) {
      return fakehost::deliver("ZIEL", info->Kennung, 128);
    };
    // A project directory without a change list.
    fakehost::hooks().getProjectDir = [](char* buffer, int32_t n) {
      return fakehost::deliver(std::filesystem::temp_directory_path().string(), buffer, n);
    };
    EXPECT_EQ(RunExport(kCommandResult, [&] { RunTransfer(kind); }), -1);
  }

  bool called(const std::string& function) const {
    const auto& calls = fakehost::calls();
    return std::find(calls.begin(), calls.end(), function) != calls.end();
  }

  testdoubles::RecordingUserInterface ui;
};

Row row(const std::string& flaeche, const std::string& key) {
  return {{{"Biotoptyp", "WQ"}, {"FLAECHE", flaeche}, {"PKEY", key}}, {}};
}

TEST_F(TransferRun, DeletingStopsAtARowWhoseKeyCannotBeRead) {
  testdoubles::TableTree tables({row("1", ""), row("1", "10")});
  fakehost::hooks().tableBOF = [&](const char*) -> int16_t { return tables.roots.empty(); };
  fakehost::hooks().getRecordCountOf = [&](const char*) { return static_cast<int32_t>(tables.roots.size()); };
  fakehost::hooks().deleteRecord = [&](const char*, int32_t key) -> int16_t {
    std::erase_if(tables.roots, [&](const Row& r) { return r.fields.at("PKEY") == std::to_string(key); });
    return fakehost::hooks().tableLast("BtypHtyp");  // the host leaves the cursor on a remaining row
  };
  run(TransferKind::BtToFsn, kClassFSN);
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
  EXPECT_NE(ui.messages[0].text.find("ZIEL"), std::string::npos);
  EXPECT_EQ(tables.roots.size(), 1U);
  EXPECT_EQ(ui.windowEvents.back(), "close Datenübertragung BT -> FSN");
}

TEST_F(TransferRun, DeletingStopsWhenTheHostKeepsTheRow) {
  testdoubles::TableTree tables({row("1", "10")});
  fakehost::hooks().getRecordCountOf = [](const char*) { return 1; };
  run(TransferKind::BtToFsn, kClassFSN);
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
}

TEST_F(TransferRun, AnUnreadableTargetAreaStopsTheRunBeforeAnyWrite) {
  testdoubles::TableTree tables({row("viel", "10")});
  run(TransferKind::BtToGb, kClassGB);
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
  EXPECT_NE(ui.messages[0].text.find("„viel“ (ZIEL)"), std::string::npos);
  EXPECT_FALSE(called("tlSetValueByName"));
  EXPECT_FALSE(called("tlAppendRecord"));
  EXPECT_FALSE(called("tlGetProjectDir")) << "the target must not be marked";
  EXPECT_EQ(ui.cursorChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(ui.windowEvents.back(), "close Datenübertragung BT -> GB");
}

}  // namespace
