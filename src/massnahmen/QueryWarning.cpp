#include "massnahmen/QueryWarning.h"

#include <string>

#include "hostdata/ObjectData.h"
#include "hostdata/SpatialQueries.h"

namespace aggregate {

void WarnQueryIncomplete(int32_t objectId, platform::UserInterface& ui) {
  const std::string taken = std::to_string(kMaxQueryCapacity);
  ui.showMessage(platform::MessageKind::Warning,
                 "Um das Objekt " + GetObjectKennung(objectId) + " liegen mehr als " + taken +
                     " Objekte; nur die ersten " + taken + " wurden berücksichtigt.");
}

}  // namespace aggregate
