#pragma once
// What a person would see of a window: caption, frame, client size and the child controls with
// their texts, positions and fonts.
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

struct ControlView {
  HWND handle = nullptr;
  std::wstring className;
  std::wstring text;
  int id = 0;
  LONG style = 0;
  RECT rect{};  // in the parent's client coordinates
  std::wstring fontFace;
  LONG fontHeight = 0;   // logical units, negative for a character height
  HICON icon = nullptr;  // of an icon static
};

struct WindowView {
  HWND handle = nullptr;
  std::wstring className;
  std::wstring caption;
  LONG style = 0;
  RECT frame{};  // screen coordinates
  SIZE client{};
  std::vector<ControlView> controls;

  // The first control of that class (and text, when given); nullptr when there is none.
  const ControlView* control(const std::wstring& className, const std::wstring* text = nullptr) const;
  std::vector<std::wstring> texts(const std::wstring& className) const;
};

WindowView inspect(HWND window);
// Visible top-level windows of this process, of the given window class.
std::vector<HWND> visibleWindows(const std::wstring& className);
// The visible top-level window of this process with that caption; nullptr when there is none.
HWND findWindow(const std::wstring& caption);

// A user's left click at a point of the screen, as real mouse input: a disabled window does not
// get it.
void clickAt(POINT screen);
// Dispatches the thread's messages for that long, as the host's own message loop does.
void dispatchMessagesFor(DWORD milliseconds);

}  // namespace wintest
