#pragma once
#include "platform/UserInterface.h"

namespace aggregate {

// Bodies of the attribute-change handlers; the value has already been copied to destination.
void HandleFlaechenanteilChanged(const char* newValue, char* destination, platform::UserInterface& ui);
void HandleFlaecheAbsolutChanged(const char* newValue, char* destination, platform::UserInterface& ui);
void HandleFFHValueChanged(const char* newValue, char* destination, platform::UserInterface& ui);
void HandleP62ValueChanged(const char* newValue, char* destination, platform::UserInterface& ui);

}  // namespace aggregate
