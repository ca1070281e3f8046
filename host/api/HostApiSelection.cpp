// tl* functions on the selection and the update bracket.
#include <algorithm>

#include "HostApiBarrier.h"
#include "TextCase.h"
#include "TolvarApi.h"
#include "Windows1252.h"

using host::flag;
using host::serve;
using host::serveUnnamed;
using host::Session;
using host::utf8ToAnsi;

extern "C" {

int16_t TL_STDCALL tlIterateObjects(int32_t /*reserved*/, const char* module, const char* exportName) {
  return serveUnnamed("tlIterateObjects", [&](Session& s) {
    if (module == nullptr || exportName == nullptr || s.plugin() == nullptr ||
        !host::equalsIgnoringCase(module, host::kPluginModuleName)) {
      return flag(false);
    }
    const TLExportProc callback = s.plugin()->find(exportName);
    if (callback == nullptr) return flag(false);
    // The callback may change the selection; it walks the selection as it was.
    const std::vector<std::int32_t> snapshot = s.selection;
    for (std::int32_t id : snapshot) {
      const host::GeoObject* object = s.project().objects.find(id);
      if (object == nullptr) continue;
      std::string kennung = utf8ToAnsi(object->kennung);
      TObjectInfo info{0, kennung.data(), object->classCode, id};
      callback(reinterpret_cast<std::intptr_t>(&info), 0, 0);
    }
    return flag(true);
  });
}

int16_t TL_STDCALL tlDeselectAll(void) {
  return serveUnnamed("tlDeselectAll", [](Session& s) {
    s.selection.clear();
    return flag(true);
  });
}

int16_t TL_STDCALL tlAddToSelection(int32_t id) {
  return serveUnnamed("tlAddToSelection", [&](Session& s) {
    if (s.project().objects.find(id) == nullptr) return flag(false);
    if (std::find(s.selection.begin(), s.selection.end(), id) == s.selection.end()) s.selection.push_back(id);
    return flag(true);
  });
}

int16_t TL_STDCALL tlBeginUpdate(void) {
  return serveUnnamed("tlBeginUpdate", [](Session& s) {
    ++s.updateDepth;
    return flag(true);
  });
}

int16_t TL_STDCALL tlEndUpdate(void) {
  return serveUnnamed("tlEndUpdate", [](Session& s) {
    if (s.updateDepth == 0) {
      s.updateUnbalanced = true;
      return flag(false);
    }
    --s.updateDepth;
    return flag(true);
  });
}

}  // extern "C"
