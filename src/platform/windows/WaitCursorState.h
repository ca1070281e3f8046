#pragma once

namespace aggregate::platform::win32 {

// The hourglass of a running command. Windows resets the cursor whenever the mouse moves over
// a window, so the library's own windows ask here which cursor to show.
void showWaitCursor(bool waiting);
bool waitCursorShown();

}  // namespace aggregate::platform::win32
