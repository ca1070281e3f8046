#pragma once
#include <cstdint>

namespace aggregate::platform {

// Sends a message synchronously to the host's main window (handle as the host gave it).
// Returns 0 when there is no window.
intptr_t sendMessageToHostWindow(intptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam);

}  // namespace aggregate::platform
