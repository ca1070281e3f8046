// Console face of the user interface: every dialog and window leaves a trace on standard
// error (UTF-8); the input dialog reads its answer from standard input. On a terminal a progress
// window is one line redrawn in place instead of its trace lines.
#include <sys/ioctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/UserInterface.h"
#include "platform/linux/TerminalProgressLine.h"

namespace aggregate::platform {

namespace {

constexpr const char* kToLineStartAndErase = "\r\x1b[K";

void writeToStandardError(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

std::size_t terminalColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col < 2) return 0;
  return static_cast<std::size_t>(size.ws_col) - 1;  // the last column would wrap on some terminals
}

// The progress line on screen, if any: a message written meanwhile erases it and draws it again below.
const TerminalProgressLine* liveLine = nullptr;

void drawLiveLine() {
  if (liveLine == nullptr) return;
  writeToStandardError(kToLineStartAndErase +
                       liveLine->line(TerminalProgressLine::Clock::now(), terminalColumns()));
}

void writeTraceLine(const std::string& utf8Line) {
  writeToStandardError((liveLine != nullptr ? kToLineStartAndErase : "") + utf8Line + "\n");
  drawLiveLine();
}

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

volatile std::sig_atomic_t interruptReceived = 0;

extern "C" void onInterrupt(int) { interruptReceived = 1; }

// Ctrl-C presses the Cancel button of the window that installed this, for as long as it is shown.
class InterruptAsCancel {
 public:
  InterruptAsCancel() {
    interruptReceived = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptAsCancel() { sigaction(SIGINT, &previous_, nullptr); }
  InterruptAsCancel(const InterruptAsCancel&) = delete;
  InterruptAsCancel& operator=(const InterruptAsCancel&) = delete;

  static bool take() {
    const bool received = interruptReceived != 0;
    interruptReceived = 0;
    return received;
  }

 private:
  struct sigaction previous_ {};
};

// The trace of the console contract: one line per event, for logs, pipes and tests.
class TraceProgressWindow final : public ProgressWindow {
 public:
  explicit TraceProgressWindow(const ProgressWindowLayout& layout)
      : caption_(layout.caption), cancellable_(layout.cancelButton.has_value()) {}
  ~TraceProgressWindow() override { close(); }

  void show() override {
    if (shown_) return;
    shown_ = true;
    writeTraceLine("[Fenster] " + caption_);
    if (cancellable_) interrupt_ = std::make_unique<InterruptAsCancel>();
  }

  void close() override {
    if (!shown_) return;
    shown_ = false;
    interrupt_.reset();
    writeTraceLine("[Fenster zu] " + caption_);
  }

  void setCaption(const std::string& caption) override {
    caption_ = caption;
    if (shown_) writeTraceLine("[Fenster] " + caption_);
  }

  void setStatus(const std::string& text) override {
    if (shown_) writeTraceLine("[Status] " + text);
  }

  void onCancel(std::function<void()> handler) override { cancelHandler_ = std::move(handler); }

  void processMessages() override {
    if (interrupt_ && InterruptAsCancel::take() && cancelHandler_) cancelHandler_();
  }

 private:
  std::string caption_;
  bool cancellable_;
  bool shown_ = false;
  std::function<void()> cancelHandler_;
  std::unique_ptr<InterruptAsCancel> interrupt_;
};

// A person watching: one live line while shown, a summary line once closed.
class TerminalProgressWindow final : public ProgressWindow {
 public:
  explicit TerminalProgressWindow(const ProgressWindowLayout& layout)
      : line_(layout.caption, layout.cancelButton.has_value(), TerminalProgressLine::Clock::now()),
        caption_(layout.caption),
        label_(layout.labelText),
        cancellable_(layout.cancelButton.has_value()) {}
  ~TerminalProgressWindow() override { close(); }

  void show() override {
    if (shown_) return;
    shown_ = true;
    line_ = TerminalProgressLine(caption_, cancellable_, TerminalProgressLine::Clock::now());
    line_.setLabel(label_);
    hiddenLine_ = liveLine;
    liveLine = &line_;
    drawLiveLine();
    if (cancellable_) interrupt_ = std::make_unique<InterruptAsCancel>();
  }

  void close() override {
    if (!shown_) return;
    shown_ = false;
    interrupt_.reset();
    liveLine = hiddenLine_;
    writeToStandardError(kToLineStartAndErase + line_.summary(TerminalProgressLine::Clock::now()) + "\n");
    drawLiveLine();
  }

  void setCaption(const std::string& caption) override {
    caption_ = caption;
    line_.setCaption(caption_);
    if (shown_) drawLiveLine();
  }

  void setStatus(const std::string& text) override {
    label_ = text;
    line_.setLabel(label_);
    if (shown_) drawLiveLine();
  }

  void onCancel(std::function<void()> handler) override { cancelHandler_ = std::move(handler); }

  void processMessages() override {
    if (interrupt_ && InterruptAsCancel::take() && cancelHandler_) {
      line_.markCancelled();
      cancelHandler_();
    }
  }

 private:
  TerminalProgressLine line_;
  std::string caption_;
  std::string label_;
  bool cancellable_;
  bool shown_ = false;
  const TerminalProgressLine* hiddenLine_ = nullptr;
  std::function<void()> cancelHandler_;
  std::unique_ptr<InterruptAsCancel> interrupt_;
};

class ConsoleUserInterface final : public UserInterface {
 public:
  void showMessage(MessageKind kind, const std::string& text) override {
    std::string::size_type start = 0;
    bool first = true;
    while (true) {
      const auto end = text.find("\r\n", start);
      writeTraceLine((first ? tagOf(kind) : "  ") + text.substr(start, end - start));
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
    writeTraceLine("[Eingabe] " + title + ": " + prompt + " [" + preset + "]");
    std::string answer;
    if (!std::getline(std::cin, answer)) {
      std::cin.clear();
      return std::nullopt;
    }
    if (!answer.empty() && answer.back() == '\r') answer.pop_back();
    return answer;
  }

  std::unique_ptr<ProgressWindow> createProgressWindow(const ProgressWindowLayout& layout) override {
    if (isatty(STDERR_FILENO) != 0) return std::make_unique<TerminalProgressWindow>(layout);
    return std::make_unique<TraceProgressWindow>(layout);
  }

  void setWaitCursor(bool) override {}
};

}  // namespace

UserInterface& faceUserInterface() {
  static ConsoleUserInterface console;
  return console;
}

}  // namespace aggregate::platform
