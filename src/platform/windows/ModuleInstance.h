#pragma once
#include <windows.h>

namespace aggregate::platform::win32 {

// Instance handle of aggregate.dll itself: dialogs and window classes belong to it, not to
// the host's executable.
HINSTANCE moduleInstance();

}  // namespace aggregate::platform::win32
