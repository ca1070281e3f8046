#pragma once
#include "platform/UserInterface.h"
#include "transfer/TransferKind.h"

namespace aggregate {

// Transfers the biotope types of the selected source objects into the one selected target
// object and marks the target in the project's change list.
void RunTransfer(TransferKind kind, platform::UserInterface& ui);

}  // namespace aggregate
