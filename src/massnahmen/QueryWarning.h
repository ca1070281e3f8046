#pragma once
#include <cstdint>

#include "platform/UserInterface.h"

namespace aggregate {

// Tells the user that the host found more objects on this one than a query can take, naming it:
// what lies on it is then incomplete.
void WarnQueryIncomplete(int32_t objectId, platform::UserInterface& ui);

}  // namespace aggregate
