#pragma once
// What the library needs of the platform's user interface. All texts are UTF-8.
#include <memory>
#include <optional>
#include <string>

#include "platform/ProgressWindow.h"

namespace aggregate::platform {

enum class MessageKind { Error, Warning, Plain };

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

}  // namespace aggregate::platform
