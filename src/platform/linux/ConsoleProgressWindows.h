#pragma once
// The console face's progress windows: a trace of events where standard error is a pipe or a file,
// one live line where it is a terminal.
#include <functional>
#include <memory>
#include <string>

#include "platform/ProgressWindow.h"
#include "platform/linux/InterruptAsCancel.h"
#include "platform/linux/TerminalProgressLine.h"

namespace aggregate::platform::console {

// A console window's Cancel button: Ctrl-C while the window is shown, if it has the button.
class ConsoleCancelButton {
 public:
  explicit ConsoleCancelButton(bool present) : present_(present) {}
  bool present() const { return present_; }
  void arm() {
    if (present_) interrupt_ = std::make_unique<InterruptAsCancel>();
  }
  void disarm() { interrupt_.reset(); }
  void onPress(std::function<void()> handler) { handler_ = std::move(handler); }
  // Whether Ctrl-C was pressed since the last look and someone listens.
  bool pressed() const { return interrupt_ && InterruptAsCancel::take() && handler_; }
  void press() const { handler_(); }

 private:
  bool present_;
  std::function<void()> handler_;
  std::unique_ptr<InterruptAsCancel> interrupt_;
};

// The trace of the console contract: one line per event, for logs, pipes and tests.
class TraceProgressWindow final : public ProgressWindow {
 public:
  explicit TraceProgressWindow(const ProgressWindowTexts& texts);
  ~TraceProgressWindow() override;

  void show() override;
  void close() override;
  void setStatus(const std::string& text) override;
  void onCancel(std::function<void()> handler) override { cancel_.onPress(std::move(handler)); }
  void processMessages() override;

 private:
  std::string caption_;
  ConsoleCancelButton cancel_;
  bool shown_ = false;
};

// A person watching: one live line while shown, a summary line once closed.
class TerminalProgressWindow final : public ProgressWindow {
 public:
  explicit TerminalProgressWindow(const ProgressWindowTexts& texts);
  ~TerminalProgressWindow() override;

  void show() override;
  void close() override;
  void setStatus(const std::string& text) override;
  void onCancel(std::function<void()> handler) override { cancel_.onPress(std::move(handler)); }
  void processMessages() override;

 private:
  TerminalProgressLine line_;
  std::string caption_;
  std::string label_;
  ConsoleCancelButton cancel_;
  bool shown_ = false;
  const TerminalProgressLine* hiddenLine_ = nullptr;
};

}  // namespace aggregate::platform::console
