// deleteObject's dialog: which key is deleted for which answer.
#include "deleteobject/DeleteObject.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "exports/ExportBarrier.h"

using namespace aggregate;

namespace {

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
    EXPECT_EQ(
        RunExport(kCommandResult, [](platform::UserInterface& given) { DeleteBiotoptypRowByKey(given); }),
        -1);
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

// Whatever the host answers, or whether a row went, nothing is said.
TEST_F(DeleteObjectDialog, TheDeletesResultIsNotLookedAt) {
  for (const int16_t result : {0, 1, -1, 255}) {
    fakehost::hooks().deleteRecord = [result](const char*, int32_t) { return result; };
    answer("12");
    EXPECT_TRUE(messages.empty()) << result;
  }
  EXPECT_EQ(fakehost::calls(), std::vector<std::string>(4, "tlDeleteRecord")) << "nothing read back";
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
