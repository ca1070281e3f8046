#pragma once
// A small non-modal progress window as the platform shows it. All texts are UTF-8.
#include <functional>
#include <optional>
#include <string>

namespace aggregate::platform {

struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Fixed appearance of a small non-modal progress window with one status label and an
// optional Cancel button. Windows without a title-bar button set, centred on the screen.
struct ProgressWindowLayout {
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  std::string fontName;  // empty: the platform's dialog font
  int fontPoints = 0;
  WindowRect label;
  std::string labelText;
  std::optional<WindowRect> cancelButton;
  std::string cancelCaption;
};

class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;  // closes the window if it is still shown
  ProgressWindow() = default;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  virtual void show() = 0;
  virtual void close() = 0;
  virtual void setCaption(const std::string& caption) = 0;
  // Changes the label and repaints it at once: the caller does not return to a message loop.
  virtual void setStatus(const std::string& text) = 0;
  // Called when the user presses Cancel; only runs from inside processMessages().
  virtual void onCancel(std::function<void()> handler) = 0;
  // Dispatches the window's pending input (a Cancel click, Ctrl-C on a console).
  virtual void processMessages() = 0;
};

}  // namespace aggregate::platform
