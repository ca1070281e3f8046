#pragma once
// A small non-modal progress window as the platform shows it. All texts are UTF-8.
#include <functional>
#include <string>

namespace aggregate::platform {

// What a progress window is for: each face gives it the size, layout and font that fit.
enum class ProgressWindowPurpose {
  Transfer,       // one status line
  MassnahmenRun,  // the Massnahme being processed and a Cancel button
};

// The texts of a progress window, the command's; everything else is the face's.
struct ProgressWindowTexts {
  std::string caption;
  std::string label;          // until the first status
  std::string cancelCaption;  // empty: no Cancel button
};

class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;  // closes the window if it is still shown
  ProgressWindow() = default;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  virtual void show() = 0;
  virtual void close() = 0;
  // Changes the label and repaints it at once: the caller does not return to a message loop.
  virtual void setStatus(const std::string& text) = 0;
  // Called when the user presses Cancel; only runs from inside processMessages().
  virtual void onCancel(std::function<void()> handler) = 0;
  // Dispatches the window's pending input (a Cancel click, Ctrl-C on a console).
  virtual void processMessages() = 0;
};

}  // namespace aggregate::platform
