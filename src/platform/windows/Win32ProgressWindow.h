#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/UserInterface.h"
#include "platform/windows/ModalScope.h"
#include "platform/windows/Win32Handles.h"

namespace aggregate::platform::win32 {

// A top-level window with a dialog border and no title-bar buttons, centred on the screen, with
// one status label and an optional Cancel button. A click on Cancel only records the request;
// processMessages() runs the handler, so it never runs in the middle of the command's work.
// While it shows, the host's other windows are disabled as under a modal dialog: the host's
// message loop runs inside its calls, and a command started there would run inside this one.
class Win32ProgressWindow final : public ProgressWindow {
 public:
  explicit Win32ProgressWindow(const ProgressWindowLayout& layout);

  void show() override;
  void close() override;
  void setCaption(const std::string& caption) override;
  void setStatus(const std::string& text) override;
  void onCancel(std::function<void()> handler) override;
  void processMessages() override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND addChild(const wchar_t* windowClass, const std::string& text, DWORD style, const WindowRect& rect,
                int id);

  UniqueFont font_;                  // outlives the window, whose controls draw with it
  UniqueWindow window_;              // destroys the label and the button with it
  std::optional<ModalScope> modal_;  // re-enables the host's windows before the window goes
  HWND label_ = nullptr;
  bool cancelRequested_ = false;
  std::function<void()> cancelHandler_;
};

}  // namespace aggregate::platform::win32
