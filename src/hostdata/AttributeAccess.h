#pragma once
// Attribute values, object data and project paths through the host, as ordinary texts and
// numbers: the only place that hands buffers to the host, and where texts cross the host
// boundary. Texts are UTF-8 here and in the host's code page beyond.
#include <cstdint>
#include <optional>
#include <string>

namespace aggregate {

// A text the host gave (a callback's Kennung, a handler's value) as UTF-8; nullptr gives "".
std::string FromHostText(const char* hostText);
// A UTF-8 text as the host takes it; what its code page cannot hold becomes '?'.
std::string ToHostText(const std::string& text);

// Trimmed text of a field of the table's current row; empty when the host has no value.
std::string GetStringValue(const std::string& table, const std::string& field);
// Untrimmed text of a field of the current row, read through a buffer for count characters;
// nullopt when the host has no value.
std::optional<std::string> GetUntrimmedValue(const std::string& table, const std::string& field,
                                             int32_t count);
// The field as integer text; -1 when the host has no value or the text is no integer text.
int32_t GetIntValue(const std::string& table, const std::string& field);
void SetStringValue(const std::string& table, const std::string& field, const std::string& value);
void SetStringValueEx(const std::string& table, const std::string& field, const std::string& value,
                      int16_t mode);
// Does nothing for an empty value: a field cannot be cleared this way.
void SetValueByPKey(int32_t key, const std::string& table, const std::string& field,
                    const std::string& value);
// Untrimmed text of the field of the row with that key; empty when the host has no value.
std::string GetValueByPKey(const std::string& table, const std::string& field, int32_t key);
// Empty when the host cannot give it.
std::string GetObjectKennung(int32_t objectId);
void SynchronizeObject(int32_t objectId);
// Ends with the platform's path delimiter; empty when the host gives no text (its flag says
// nothing).
std::string GetProjectDirectory();
std::string GetProjectDatabasePath();
// Reads a number in the user's notation, or else with the other decimal separator; nullopt when
// it is a number in neither.
std::optional<double> ParseFloatTolerant(const std::string& text);

}  // namespace aggregate
