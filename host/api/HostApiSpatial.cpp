// tl* functions for spatial queries, and the host window that builds temporary objects.
#include <algorithm>

#include "HostApiBarrier.h"
#include "Spatial.h"
#include "TolvarApi.h"
#include "Windows1252.h"

using host::ansiToUtf8;
using host::serve;
using host::Session;

namespace {

// Requests naming more objects than this are refused.
constexpr std::int32_t kMaxTempObjectParts = 1001;

intptr_t makeTempObject(const TTempObjectRequest* request) {
  return serve<intptr_t>("TL_MSG_TEMP_OBJECT", 0, [&](Session& s) -> intptr_t {
    if (request == nullptr || request->Kind != 3 || request->Flag != 1 || request->Kennung == nullptr ||
        request->Ids == nullptr || request->IdCount < 1 || request->IdCount > kMaxTempObjectParts) {
      return 0;
    }
    const std::string kennung = ansiToUtf8(request->Kennung);
    if (kennung.empty() || s.project().objects.findByKennung(kennung) != nullptr) return 0;
    const std::vector<std::int32_t> ids(request->Ids, request->Ids + request->IdCount);
    auto object = host::intersectionObject(s.project().objects, s.geos(), ids, kennung, request->ClassCode);
    if (!object) return 0;
    const std::int32_t id = object->id;
    s.addObject(std::move(*object));
    return id;
  });
}

intptr_t hostWindowProc(uint32_t msg, uintptr_t /*wParam*/, intptr_t lParam) {
  if (msg != TL_MSG_TEMP_OBJECT) return 0;
  return makeTempObject(reinterpret_cast<const TTempObjectRequest*>(lParam));
}

}  // namespace

extern "C" {

int32_t TL_STDCALL tlQueryGeoObjects(int32_t id, double distance, int32_t mode, const TClassFilter* filter,
                                     TIdBuffer* ids) {
  return serve("tlQueryGeoObjects", -1, [&](Session& s) {
    if (ids == nullptr || ids->Capacity < 0 || (ids->Capacity > 0 && ids->Ids == nullptr)) return -1;
    std::optional<std::vector<std::int32_t>> classes;
    // A filter without classes restricts nothing, like no filter.
    if (filter != nullptr && filter->Count > 0) {
      if (filter->Classes == nullptr) return -1;
      classes.emplace(filter->Classes, filter->Classes + filter->Count);
    }
    auto found = host::queryNeighbours(s.project().objects, s.geos(), id, distance, mode, classes);
    if (!found) return -1;
    const auto written = std::min(found->size(), static_cast<std::size_t>(ids->Capacity));
    std::copy_n(found->begin(), written, ids->Ids);
    return static_cast<int32_t>(written);
  });
}

intptr_t TL_STDCALL tlGetTolvarWindowHandle(void) {
  TLWindowProc proc = hostWindowProc;
  return serve("tlGetTolvarWindowHandle", intptr_t{0},
               [&](Session&) { return reinterpret_cast<intptr_t>(proc); });
}

}  // extern "C"
