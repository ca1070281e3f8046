#include "hostdata/ObjectData.h"

#include "contract/TolvarApi.h"
#include "hostdata/HostBuffer.h"

namespace aggregate {

namespace {

std::string readObjectData(int32_t objectId, bool synchronize) {
  HostBuffer kennung(TL_KENNUNG_CAPACITY);
  TObjectInfo info{};
  info.ObjectID = objectId;
  info.Kennung = kennung.data();
  const int16_t found = tlGetObjectData(&info);
  if (synchronize && found != 0) tlSynchronize(&info);
  return kennung.text();
}

}  // namespace

std::string GetObjectKennung(int32_t objectId) { return readObjectData(objectId, false); }

void SynchronizeObject(int32_t objectId) { readObjectData(objectId, true); }

bool MakeActive(int32_t objectId) {
  tlSetActiveObject(objectId);
  return objectId > 0 && tlGetActiveGeoObject() == objectId;
}

ActiveObject GetActiveObject() {
  ActiveObject object;
  object.id = tlGetActiveGeoObject();
  if (object.id > 0) object.classCode = tlGetClassOf(object.id);
  return object;
}

}  // namespace aggregate
