#pragma once
// A user interface that records what the library shows and answers dialogs from a script.
#include <deque>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace testdoubles {

struct ShownMessage {
  aggregate::platform::MessageKind kind;
  std::string text;  // Windows-1252
};

class RecordingUserInterface final : public aggregate::platform::UserInterface {
 public:
  RecordingUserInterface() { previous_ = aggregate::platform::replaceUserInterface(this); }
  ~RecordingUserInterface() override { aggregate::platform::replaceUserInterface(previous_); }

  void showMessage(aggregate::platform::MessageKind kind, const std::string& text) override {
    messages.push_back({kind, text});
  }
  std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::unique_ptr<aggregate::platform::ProgressWindow> createProgressWindow(
      aggregate::platform::ProgressWindowPurpose purpose,
      const aggregate::platform::ProgressWindowTexts& texts) override;
  void setWaitCursor(bool waiting) override { cursorChanges.push_back(waiting); }

  std::vector<ShownMessage> messages;
  std::deque<std::optional<std::string>> answers;  // nullopt: Cancel
  std::vector<bool> cursorChanges;
  std::vector<std::string> windowEvents;  // "show <caption>", "status <text>", "close <caption>"

 private:
  aggregate::platform::UserInterface* previous_ = nullptr;
};

}  // namespace testdoubles
