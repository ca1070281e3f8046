#include "platform/HostWindow.h"

#include "contract/TolvarApi.h"

namespace aggregate::platform {

// On Linux the host's window handle is the address of its message procedure.
intptr_t sendMessageToHostWindow(intptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (window == 0) return 0;
  return reinterpret_cast<TLWindowProc>(window)(message, wParam, lParam);
}

}  // namespace aggregate::platform
