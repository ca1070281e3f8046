// Console face of the user interface: every dialog and window leaves a trace on standard
// error (UTF-8); the input dialog reads its answer from standard input. On a terminal a progress
// window is one line redrawn in place instead of its trace lines.
#include <unistd.h>

#include <iostream>
#include <string>

#include "platform/UserInterface.h"
#include "platform/linux/ConsoleOutput.h"
#include "platform/linux/ConsoleProgressWindows.h"

namespace aggregate::platform {

namespace {

const char* tagOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return "[Fehler] ";
    case MessageKind::Warning:
      return "[Warnung] ";
    case MessageKind::Plain:
      break;
  }
  return "[Meldung] ";
}

class ConsoleUserInterface final : public UserInterface {
 public:
  void showMessage(MessageKind kind, const std::string& text) override {
    std::string::size_type start = 0;
    bool first = true;
    while (true) {
      const auto end = text.find("\r\n", start);
      console::writeTraceLine((first ? tagOf(kind) : "  ") + text.substr(start, end - start));
      first = false;
      if (end == std::string::npos) break;
      start = end + 2;
    }
    if (isatty(STDIN_FILENO) != 0) {
      std::string ignored;
      std::getline(std::cin, ignored);
    }
  }

  std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                     const std::string& preset) override {
    console::writeTraceLine("[Eingabe] " + title + ": " + prompt + " [" + preset + "]");
    std::string answer;
    if (!std::getline(std::cin, answer)) {
      std::cin.clear();
      return std::nullopt;
    }
    if (!answer.empty() && answer.back() == '\r') answer.pop_back();
    return answer;
  }

  // The console has one kind of progress window, whatever it is for.
  std::unique_ptr<ProgressWindow> createProgressWindow(ProgressWindowPurpose,
                                                       const ProgressWindowTexts& texts) override {
    if (isatty(STDERR_FILENO) != 0) return std::make_unique<console::TerminalProgressWindow>(texts);
    return std::make_unique<console::TraceProgressWindow>(texts);
  }

  void setWaitCursor(bool) override {}
};

}  // namespace

UserInterface& faceUserInterface() {
  static ConsoleUserInterface console;
  return console;
}

}  // namespace aggregate::platform
