#include "platform/windows/WaitCursorState.h"

#include <windows.h>

namespace aggregate::platform::win32 {

namespace {
bool waitingNow = false;  // only the host's user-interface thread touches it
}

void showWaitCursor(bool waiting) {
  waitingNow = waiting;
  // System cursors are shared and never destroyed.
  SetCursor(LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
}

bool waitCursorShown() { return waitingNow; }

}  // namespace aggregate::platform::win32
