#include "platform/windows/ModalScope.h"

namespace aggregate::platform::win32 {

ModalScope::ModalScope(HWND spared) : spared_(spared) {
  EnumThreadWindows(GetCurrentThreadId(), disable, reinterpret_cast<LPARAM>(this));
}

ModalScope::~ModalScope() {
  for (HWND window : disabled_)
    if (IsWindow(window) != FALSE) EnableWindow(window, TRUE);
}

BOOL CALLBACK ModalScope::disable(HWND window, LPARAM scope) {
  auto* self = reinterpret_cast<ModalScope*>(scope);
  if (window != self->spared_ && IsWindowVisible(window) != FALSE && IsWindowEnabled(window) != FALSE) {
    EnableWindow(window, FALSE);
    self->disabled_.push_back(window);
  }
  return TRUE;
}

}  // namespace aggregate::platform::win32
