// Windows face of the user interface: message boxes, the input dialog and progress windows are
// real Win32 windows; a modal one is owned by the active window and blocks all the others.
#include <windows.h>

#include "platform/UserInterface.h"
#include "platform/windows/InputDialog.h"
#include "platform/windows/ModalScope.h"
#include "platform/windows/WaitCursorState.h"
#include "platform/windows/WideText.h"
#include "platform/windows/Win32ProgressWindow.h"

namespace aggregate::platform {

namespace {

// The captions match the tags of the console face, so both faces name a message alike.
struct MessageStyle {
  const wchar_t* caption;
  UINT icon;
};

MessageStyle styleOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return {L"Fehler", MB_ICONERROR};
    case MessageKind::Warning:
      return {L"Warnung", MB_ICONWARNING};
    case MessageKind::Plain:
      break;
  }
  return {L"Meldung", 0};
}

class Win32UserInterface final : public UserInterface {
 public:
  void showMessage(MessageKind kind, const std::string& text) override {
    const MessageStyle style = styleOf(kind);
    const win32::ModalScope modal(GetActiveWindow());
    MessageBoxW(modal.owner(), win32::wideFromUtf8(text).c_str(), style.caption,
                MB_OK | style.icon | MB_APPLMODAL);
  }

  std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                     const std::string& preset) override {
    return win32::runInputDialog(title, prompt, preset);
  }

  std::unique_ptr<ProgressWindow> createProgressWindow(const ProgressWindowLayout& layout) override {
    return std::make_unique<win32::Win32ProgressWindow>(layout);
  }

  void setWaitCursor(bool waiting) override { win32::showWaitCursor(waiting); }
};

}  // namespace

UserInterface& faceUserInterface() {
  static Win32UserInterface windows;
  return windows;
}

}  // namespace aggregate::platform
