#pragma once
#include "platform/UserInterface.h"

namespace aggregate {

// Asks for a key and deletes that BtypHtyp row of the active object.
void DeleteBiotoptypRowByKey(platform::UserInterface& ui);

}  // namespace aggregate
