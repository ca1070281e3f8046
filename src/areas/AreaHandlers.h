#pragma once

namespace aggregate {

// Bodies of the attribute-change handlers; the value has already been copied to destination.
void HandleFlaechenanteilChanged(const char* newValue, char* destination);
void HandleFlaecheAbsolutChanged(const char* newValue, char* destination);
void HandleFFHValueChanged(const char* newValue, char* destination);
void HandleP62ValueChanged(const char* newValue, char* destination);

}  // namespace aggregate
