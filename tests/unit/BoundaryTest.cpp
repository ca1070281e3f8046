// The export barrier, the handler protocol, the class table and deleteObject's dialog.
#include <gtest/gtest.h>

#include <cstring>

#include "boundary/DeleteObject.h"
#include "boundary/ExportGuard.h"
#include "boundary/LibraryError.h"
#include "boundary/ObjectClasses.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "platform/TextEncoding.h"

using namespace aggregate;

namespace {

TEST(ExportBarrier, NothingEscapesAndTheResultStaysConstant) {
  testdoubles::RecordingUserInterface ui;
  EXPECT_EQ(RunExport(kCommandResult, [] { throw LibraryError("kaputt"); }), -1);
  EXPECT_EQ(RunExport(kCallbackResult, [] { throw 42; }), 1);
  EXPECT_EQ(RunExport(kCommandResult, [] {}), -1);
  ASSERT_EQ(ui.messages.size(), 2U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
  EXPECT_NE(ui.messages[0].text.find("kaputt"), std::string::npos);
}

TEST(ExportBarrier, HandlersCopyTheValueFirstEvenWhenTheirWorkFails) {
  testdoubles::RecordingUserInterface ui;
  char destination[16];
  std::memset(destination, 'x', sizeof destination);
  const char* value = "6510";
  std::string seenInDestination;
  const auto result =
      RunAttributeHandler(reinterpret_cast<intptr_t>(value), reinterpret_cast<intptr_t>(destination),
                          [&](const char*, char* buffer) {
                            seenInDestination = buffer;
                            throw LibraryError("danach");
                          });
  EXPECT_EQ(result, -1);
  EXPECT_EQ(seenInDestination, "6510");
  EXPECT_EQ(std::string(destination), "6510");
}

TEST(ExportBarrier, AnEmptyValueIsCopiedAsASingleZero) {
  char destination[4] = {'a', 'b', 'c', 'd'};
  RunAttributeHandler(reinterpret_cast<intptr_t>(""), reinterpret_cast<intptr_t>(destination),
                      [](const char*, char*) {});
  EXPECT_EQ(destination[0], '\0');
  EXPECT_EQ(destination[1], 'b');
}

TEST(ObjectClasses, DisplayNames) {
  EXPECT_EQ(GetClassDisplayName(kClassBK), Ansi("BK (schutzwürdig Biotope)"));
  EXPECT_EQ(GetClassDisplayName(kClassBT), "BT (Biotoptypen)");
  EXPECT_EQ(GetClassDisplayName(kClassGB), "GB (Gesetzlich geschuetzte Biotope)");
  EXPECT_EQ(GetClassDisplayName(kClassFSN),
            "FSN (Flurst\xFC"
            "cke des Naturschutzes)");
  EXPECT_EQ(GetClassDisplayName(kClassMAS), "unbekannt");
  EXPECT_EQ(GetClassDisplayName(kClassFT), "unbekannt");
  EXPECT_EQ(GetClassDisplayName(0), "unbekannt");
}

class DeleteObjectDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    fakehost::reset();
    fakehost::hooks().deleteRecord = [this](const char* table, int32_t key) -> int16_t {
      deletions.emplace_back(table, key);
      return 1;
    };
  }
  void TearDown() override { fakehost::reset(); }

  void answer(std::optional<std::string> text) {
    testdoubles::RecordingUserInterface ui;
    ui.answers.push_back(std::move(text));
    EXPECT_EQ(RunExport(kCommandResult, [] { DeleteBiotopTypRowByKey(); }), -1);
    messages = ui.messages;
  }

  std::vector<std::pair<std::string, int32_t>> deletions;
  std::vector<testdoubles::ShownMessage> messages;
};

TEST_F(DeleteObjectDialog, LeadingBlankIsAllowed) {
  answer(" 12");
  EXPECT_EQ(deletions, (std::vector<std::pair<std::string, int32_t>>{{"BtypHtyp", 12}}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(DeleteObjectDialog, CancelDeletesKeyZero) {
  answer(std::nullopt);
  EXPECT_EQ(deletions, (std::vector<std::pair<std::string, int32_t>>{{"BtypHtyp", 0}}));
}

TEST_F(DeleteObjectDialog, AnythingButIntegerTextDeletesNothingAndIsReported) {
  for (const char* text : {"12 ", "abc", ""}) {
    answer(text);
    EXPECT_TRUE(deletions.empty()) << "'" << text << "'";
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_NE(messages[0].text.find(std::string("'") + text + "'"), std::string::npos);
  }
}

}  // namespace
