#include "hostdata/ActiveObject.h"

#include "contract/TolvarApi.h"

namespace aggregate {

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
