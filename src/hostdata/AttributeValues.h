#pragma once
// Attribute values of the active object through the host, as ordinary texts and numbers. A read
// the host cannot answer gives a neutral value (an empty text, -1), never a failure: commands take
// such a value as they take a stored one.
#include <cstdint>
#include <optional>
#include <string>

#include "hostdata/Schema.h"

namespace aggregate {

// Trimmed text of a field of the table's current row; empty when the host has no value.
std::string GetStringValue(const std::string& table, const std::string& field);
// Untrimmed text of a field of the current row, read through a buffer for count characters
// first; nullopt when the host has no value.
std::optional<std::string> GetUntrimmedValue(const std::string& table, const std::string& field,
                                             int32_t count);
// The field as integer text; -1 when the host has no value or the text is no integer text.
int32_t GetIntValue(const std::string& table, const std::string& field);
// Untrimmed text of the field of the row with that key; empty when the host has no value.
std::string GetValueByPKey(const std::string& table, const std::string& field, int32_t key);

// The codes of the current BtypHtyp row, trimmed as GetStringValue gives them.
schema::BiotoptypCodes ReadCodesOfCurrentRow();
// The codes of the BtypHtyp row with that key, untrimmed as GetValueByPKey gives them.
schema::BiotoptypCodes ReadCodesByKey(int32_t key);

// Writes into the table's current row; what the host makes of it is the host's.
void SetStringValue(const std::string& table, const std::string& field, const std::string& value);
// The same through the host's extended write, with a mode the host interprets.
void SetStringValueEx(const std::string& table, const std::string& field, const std::string& value,
                      int16_t mode);

}  // namespace aggregate
