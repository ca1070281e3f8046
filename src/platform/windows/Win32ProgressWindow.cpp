#include "platform/windows/Win32ProgressWindow.h"

#include <cwchar>

#include "common/LibraryError.h"
#include "platform/windows/ModuleInstance.h"
#include "platform/windows/WaitCursorState.h"
#include "platform/windows/WideText.h"

namespace aggregate::platform::win32 {

namespace {

constexpr const wchar_t* kClassName = L"AggregateProgressWindow";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;  // no WS_SYSMENU: no title-bar buttons
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kPointsPerInch = 72;

// Registered on first use and unregistered when the DLL is unloaded.
class ProgressWindowClass {
 public:
  explicit ProgressWindowClass(WNDPROC windowProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = moduleInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0)
      throw LibraryError("Die Fensterklasse des Fortschrittsfensters konnte nicht angelegt werden.");
  }
  ~ProgressWindowClass() { UnregisterClassW(kClassName, moduleInstance()); }
  ProgressWindowClass(const ProgressWindowClass&) = delete;
  ProgressWindowClass& operator=(const ProgressWindowClass&) = delete;
};

UniqueFont createFont(const ProgressWindowLayout& layout) {
  LOGFONTW font{};
  if (layout.fontName.empty()) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font = metrics.lfMessageFont;
  } else {
    const ScreenDeviceContext screen;
    font.lfHeight = -MulDiv(layout.fontPoints, GetDeviceCaps(screen.get(), LOGPIXELSY), kPointsPerInch);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = wideFromUtf8(layout.fontName);
    std::wcsncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
  }
  return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

Win32ProgressWindow::Win32ProgressWindow(const ProgressWindowLayout& layout) : font_(createFont(layout)) {
  static const ProgressWindowClass windowClass(windowProc);

  RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  window_.reset(CreateWindowExW(kExStyle, kClassName, wideFromUtf8(layout.caption).c_str(), kStyle, left, top,
                                width, height, GetActiveWindow(), nullptr, moduleInstance(), this));
  if (!window_) throw LibraryError("Das Fortschrittsfenster konnte nicht angelegt werden.");

  label_ = addChild(L"STATIC", layout.labelText, SS_LEFT | SS_NOPREFIX, layout.label, 0);
  if (layout.cancelButton)
    addChild(L"BUTTON", layout.cancelCaption, BS_PUSHBUTTON | WS_TABSTOP, *layout.cancelButton, IDCANCEL);
}

HWND Win32ProgressWindow::addChild(const wchar_t* windowClass, const std::string& text, DWORD style,
                                   const WindowRect& rect, int id) {
  const HWND child =
      CreateWindowExW(0, windowClass, wideFromUtf8(text).c_str(), style | WS_CHILD | WS_VISIBLE, rect.left,
                      rect.top, rect.width, rect.height, window_.get(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), moduleInstance(), nullptr);
  if (child == nullptr) throw LibraryError("Das Fortschrittsfenster konnte nicht angelegt werden.");
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return child;
}

void Win32ProgressWindow::show() {
  if (!modal_) modal_.emplace(window_.get());
  ShowWindow(window_.get(), SW_SHOW);
  RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32ProgressWindow::close() {
  modal_.reset();  // first, so that the host's window is enabled again when it gets the focus back
  ShowWindow(window_.get(), SW_HIDE);
}

void Win32ProgressWindow::setCaption(const std::string& caption) {
  SetWindowTextW(window_.get(), wideFromUtf8(caption).c_str());
}

void Win32ProgressWindow::setStatus(const std::string& text) {
  SetWindowTextW(label_, wideFromUtf8(text).c_str());
  RedrawWindow(label_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Win32ProgressWindow::onCancel(std::function<void()> handler) { cancelHandler_ = std::move(handler); }

void Win32ProgressWindow::processMessages() {
  // Only this window's messages: a click into the host's windows must not start another
  // command while this one runs.
  MSG message;
  while (PeekMessageW(&message, window_.get(), 0, 0, PM_REMOVE) != 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (cancelRequested_) {
    cancelRequested_ = false;
    if (cancelHandler_) cancelHandler_();
  }
}

LRESULT CALLBACK Win32ProgressWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32ProgressWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (self != nullptr && LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED) {
        self->cancelRequested_ = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      return 0;  // only the command closes its window, Alt+F4 does not
    case WM_SETCURSOR:
      if (waitCursorShown() && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace aggregate::platform::win32
