#include "platform/windows/ModuleLifetime.h"

#include <windows.h>

namespace {
bool detaching = false;
}

// MinGW's DLL start-up code calls DllMain before it runs the static destructors.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) detaching = true;
  return TRUE;
}

namespace aggregate::platform::win32 {

bool moduleDetaching() { return detaching; }

}  // namespace aggregate::platform::win32
