#include "platform/windows/ModuleInstance.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;  // placed by the linker at the start of this module

namespace aggregate::platform::win32 {

HINSTANCE moduleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

}  // namespace aggregate::platform::win32
