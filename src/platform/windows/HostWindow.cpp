#include "platform/HostWindow.h"

#include <windows.h>

namespace aggregate::platform {

intptr_t sendMessageToHostWindow(intptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (window == 0) return 0;
  return SendMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

}  // namespace aggregate::platform
