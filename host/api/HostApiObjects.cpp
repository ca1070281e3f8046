// tl* functions on objects.
#include "HostApiBarrier.h"
#include "HostBuffer.h"
#include "TolvarApi.h"
#include "Windows1252.h"

using host::ansiToUtf8;
using host::flag;
using host::serve;
using host::serveUnnamed;
using host::Session;
using host::utf8ToAnsi;

namespace {

// The plug-in's Kennung buffers hold 128 characters and the zero.
constexpr std::int32_t kKennungCapacity = TL_KENNUNG_CAPACITY;

const host::GeoObject* objectOf(Session& s, std::int32_t id) { return s.project().objects.find(id); }

const host::GeoObject* objectOf(Session& s, const char* kennung) {
  if (kennung == nullptr) return nullptr;
  return s.project().objects.findByKennung(ansiToUtf8(kennung));
}

}  // namespace

extern "C" {

int32_t TL_STDCALL tlGetActiveGeoObject(void) {
  return serve("tlGetActiveGeoObject", 0, [](Session& s) { return s.project().cursors.activeObject(); });
}

int16_t TL_STDCALL tlSetActiveObject(int32_t id) {
  return serveUnnamed("tlSetActiveObject", [&](Session& s) {
    if (objectOf(s, id) == nullptr) return flag(false);
    s.setActive(id);
    return flag(true);
  });
}

int16_t TL_STDCALL tlEnsureData(int32_t id) {
  return serveUnnamed("tlEnsureData", [&](Session& s) { return flag(objectOf(s, id) != nullptr); });
}

int32_t TL_STDCALL tlGetClassOf(int32_t id) {
  return serve("tlGetClassOf", 0, [&](Session& s) {
    const host::GeoObject* object = objectOf(s, id);
    return object != nullptr ? object->classCode : 0;
  });
}

int32_t TL_STDCALL tlGetGeoTypeOf(int32_t id) {
  return serve("tlGetGeoTypeOf", 0, [&](Session& s) {
    const host::GeoObject* object = objectOf(s, id);
    return object != nullptr ? static_cast<int32_t>(s.geos().geoType(object->geometry)) : 0;
  });
}

double TL_STDCALL tlGetObjectArea(int32_t id) {
  return serve("tlGetObjectArea", 0.0, [&](Session& s) {
    const host::GeoObject* object = objectOf(s, id);
    return object != nullptr ? s.geos().areaHectares(object->geometry) : 0.0;
  });
}

int32_t TL_STDCALL tlGetIDFromKennung(const char* kennung) {
  return serve("tlGetIDFromKennung", 0, [&](Session& s) {
    const host::GeoObject* object = objectOf(s, kennung);
    return object != nullptr ? object->id : 0;
  });
}

int16_t TL_STDCALL tlKennungExists(const char* kennung) {
  return serve<int16_t>("tlKennungExists", 0,
                        [&](Session& s) { return flag(objectOf(s, kennung) != nullptr); });
}

int16_t TL_STDCALL tlDeleteObject(int32_t id) {
  return serveUnnamed("tlDeleteObject", [&](Session& s) {
    if (objectOf(s, id) == nullptr) return flag(false);
    s.deleteObject(id);
    return flag(true);
  });
}

int16_t TL_STDCALL tlGetObjectData(TObjectInfo* info) {
  return serve<int16_t>(
      "tlGetObjectData", 0,
      [&](Session& s) {
        const host::GeoObject* object = info != nullptr ? objectOf(s, info->ObjectID) : nullptr;
        if (object == nullptr) return flag(false);
        if (info->Kennung != nullptr) {
          host::copyToHostBuffer(utf8ToAnsi(object->kennung), info->Kennung, kKennungCapacity);
        }
        info->ClassCode = object->classCode;
        return flag(true);
      },
      {info != nullptr ? info->Kennung : nullptr, kKennungCapacity});
}

int16_t TL_STDCALL tlSynchronize(TObjectInfo* info) {
  return serveUnnamed("tlSynchronize", [&](Session& s) {
    return flag(info != nullptr && objectOf(s, info->ObjectID) != nullptr);
  });
}

}  // extern "C"
