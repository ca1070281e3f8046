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

// The trace of the console contract: one line per event, for logs, pipes and tests.
class TraceProgressWindow final : public ProgressWindow {
 public:
  explicit TraceProgressWindow(const ProgressWindowTexts& texts);
  ~TraceProgressWindow() override;

  void show() override;
  void close() override;
  void setStatus(const std::string& text) override;
  void onCancel(std::function<void()> handler) override { cancelHandler_ = std::move(handler); }
  void processMessages() override;

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
  explicit TerminalProgressWindow(const ProgressWindowTexts& texts);
  ~TerminalProgressWindow() override;

  void show() override;
  void close() override;
  void setStatus(const std::string& text) override;
  void onCancel(std::function<void()> handler) override { cancelHandler_ = std::move(handler); }
  void processMessages() override;

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

}  // namespace aggregate::platform::console
