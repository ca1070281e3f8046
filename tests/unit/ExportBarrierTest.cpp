// The export barrier and the handler protocol.
#include <gtest/gtest.h>

#include <cstring>

#include "common/LibraryError.h"
#include "doubles/RecordingUserInterface.h"
#include "exports/ExportBarrier.h"

using namespace aggregate;

namespace {

TEST(ExportBarrier, NothingEscapesAndTheResultStaysConstant) {
  testdoubles::RecordingUserInterface ui;
  EXPECT_EQ(RunExport(kCommandResult, [](platform::UserInterface&) { throw LibraryError("kaputt"); }), -1);
  EXPECT_EQ(RunExport(kCallbackResult, [](platform::UserInterface&) { throw 42; }), 1);
  platform::UserInterface* handedOver = nullptr;
  EXPECT_EQ(RunExport(kCommandResult, [&](platform::UserInterface& given) { handedOver = &given; }), -1);
  EXPECT_EQ(handedOver, &ui) << "the work tells the user through the face in place";
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
                          [&](const char*, char* buffer, platform::UserInterface&) {
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
                      [](const char*, char*, platform::UserInterface&) {});
  EXPECT_EQ(destination[0], '\0');
  EXPECT_EQ(destination[1], 'b');
}

}  // namespace
