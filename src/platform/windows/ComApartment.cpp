#include "platform/windows/ComApartment.h"

#include <objbase.h>

#include "platform/windows/ComError.h"
#include "platform/windows/ModuleLifetime.h"

namespace aggregate::platform::win32 {

ComApartment::ComApartment() {
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (result == RPC_E_CHANGED_MODE) return;  // a multithreaded apartment serves as well
  if (FAILED(result)) throwComError("CoInitializeEx", result);
  mustUninitialize_ = true;  // S_OK and S_FALSE both count one initialisation
}

ComApartment::~ComApartment() {
  if (mustUninitialize_ && !moduleDetaching()) CoUninitialize();
}

}  // namespace aggregate::platform::win32
