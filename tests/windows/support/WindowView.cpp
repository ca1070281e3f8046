#include "support/WindowView.h"

#include <array>

namespace wintest {

namespace {

std::wstring classNameOf(HWND window) {
  std::array<wchar_t, 256> name{};
  const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return std::wstring(name.data(), static_cast<std::size_t>(length));
}

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK collectControl(HWND child, LPARAM context) {
  auto* view = reinterpret_cast<WindowView*>(context);
  if (GetParent(child) != view->handle) return TRUE;
  ControlView control;
  control.handle = child;
  control.className = classNameOf(child);
  control.text = textOf(child);
  control.id = GetDlgCtrlID(child);
  control.style = GetWindowLongW(child, GWL_STYLE);
  GetWindowRect(child, &control.rect);
  MapWindowPoints(nullptr, view->handle, reinterpret_cast<POINT*>(&control.rect), 2);
  if (const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)); font != nullptr) {
    LOGFONTW logFont{};
    if (GetObjectW(font, sizeof(logFont), &logFont) != 0) {
      control.fontFace = logFont.lfFaceName;
      control.fontHeight = logFont.lfHeight;
    }
  }
  if ((control.style & SS_TYPEMASK) == SS_ICON && control.className == L"Static")
    control.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  view->controls.push_back(control);
  return TRUE;
}

struct WindowSearch {
  std::wstring className;
  std::wstring caption;
  std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || IsWindowVisible(window) == FALSE) return TRUE;
  if (!search->className.empty() && classNameOf(window) != search->className) return TRUE;
  if (!search->caption.empty() && textOf(window) != search->caption) return TRUE;
  search->found.push_back(window);
  return TRUE;
}

}  // namespace

const ControlView* WindowView::control(const std::wstring& wantedClass, const std::wstring* text) const {
  for (const auto& candidate : controls)
    if (candidate.className == wantedClass && (text == nullptr || candidate.text == *text)) return &candidate;
  return nullptr;
}

std::vector<std::wstring> WindowView::texts(const std::wstring& wantedClass) const {
  std::vector<std::wstring> found;
  for (const auto& candidate : controls)
    if (candidate.className == wantedClass && !candidate.text.empty()) found.push_back(candidate.text);
  return found;
}

WindowView inspect(HWND window) {
  WindowView view;
  view.handle = window;
  view.className = classNameOf(window);
  view.caption = textOf(window);
  view.style = GetWindowLongW(window, GWL_STYLE);
  GetWindowRect(window, &view.frame);
  RECT client{};
  GetClientRect(window, &client);
  view.client = SIZE{client.right, client.bottom};
  EnumChildWindows(window, collectControl, reinterpret_cast<LPARAM>(&view));
  return view;
}

std::vector<HWND> visibleWindows(const std::wstring& className) {
  WindowSearch search{className, {}, {}};
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findWindow(const std::wstring& caption) {
  WindowSearch search{{}, caption, {}};
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? nullptr : search.found.front();
}

void clickAt(POINT screen) {
  constexpr double kAbsoluteRange = 65535.0;
  std::array<INPUT, 3> inputs{};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = static_cast<LONG>(screen.x * kAbsoluteRange / (GetSystemMetrics(SM_CXSCREEN) - 1));
  inputs[0].mi.dy = static_cast<LONG>(screen.y * kAbsoluteRange / (GetSystemMetrics(SM_CYSCREEN) - 1));
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void dispatchMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

}  // namespace wintest
