#include "hostdata/TableCursor.h"

#include "hostdata/AttributeAccess.h"

namespace aggregate {

bool FindRowWithValue(const char* table, const char* field, const std::string& value) {
  return FindRow(table, [&] { return GetStringValue(table, field) == value; });
}

void AppendRow(const char* table, std::initializer_list<FieldValue> values) {
  tlAppendRecord(table);
  for (const FieldValue& entry : values) SetStringValue(table, entry.field, entry.value);
  tlPostRecord(table);
}

}  // namespace aggregate
