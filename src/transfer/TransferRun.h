#pragma once
#include <cstdint>

namespace aggregate {

// Transfers the biotope types of the selected source objects into the one selected target
// object and marks the target in the project's change list.
void RunTransfer(int32_t transitionType, int32_t sourceClass, int32_t targetClass);

}  // namespace aggregate
