#pragma once
// What the library needs of the platform's user interface. All texts are Windows-1252.
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace aggregate::platform {

enum class MessageKind { Error, Warning, Plain };

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

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  UserInterface() = default;
  UserInterface(const UserInterface&) = delete;
  UserInterface& operator=(const UserInterface&) = delete;

  // Modal message box with a single OK button; returns when the user closed it.
  virtual void showMessage(MessageKind kind, const std::string& text) = 0;
  // Modal input dialog with OK and Cancel; nullopt when cancelled.
  virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                             const std::string& preset) = 0;
  virtual std::unique_ptr<ProgressWindow> createProgressWindow(const ProgressWindowLayout& layout) = 0;
  virtual void setWaitCursor(bool waiting) = 0;
};

// The face's user interface, unless a test has put another in its place.
UserInterface& ui();
// Puts a replacement in place (nullptr restores the face's own); returns the previous one.
UserInterface* replaceUserInterface(UserInterface* replacement);

// Hourglass for the lifetime of the object, the default cursor afterwards.
class WaitCursor {
 public:
  WaitCursor() { ui().setWaitCursor(true); }
  ~WaitCursor() {
    try {
      ui().setWaitCursor(false);
    } catch (...) {  // a destructor must not throw; the cursor is cosmetic
    }
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace aggregate::platform
