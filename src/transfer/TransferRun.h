#pragma once
#include <cstdint>

#include "boundary/TolvarApi.h"

namespace aggregate {

// Transfers the biotope types of the selected source objects into the one selected target.
int16_t RunTransfer(int32_t transitionType, int32_t sourceClass, int32_t targetClass);
// Iteration callback of the transfer's selection check.
void CheckObjectSelection(const TObjectInfo* info);

}  // namespace aggregate
