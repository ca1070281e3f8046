#include "hostdata/TableCursor.h"

#include "hostdata/AttributeValues.h"
#include "hostdata/Schema.h"

namespace aggregate {

bool FindRowWithValue(const char* table, const char* field, const std::string& value) {
  return FindRow(table, [&] { return GetStringValue(table, field) == value; });
}

bool DeleteCurrentRow(const char* table) {
  const int32_t rowsBefore = tlGetRecordCountOf(table);
  tlDeleteRecord(table, GetIntValue(table, schema::kPkey));
  return tlGetRecordCountOf(table) < rowsBefore;
}

bool DeleteAllRows(const char* table) {
  while (tlGetRecordCountOf(table) > 0) {
    if (!DeleteCurrentRow(table)) return false;
  }
  return true;
}

void AppendRow(const char* table, const std::vector<FieldValue>& values) {
  tlAppendRecord(table);
  for (const FieldValue& entry : values) {
    if (entry.mode) {
      SetStringValueEx(table, entry.field, entry.value, *entry.mode);
    } else {
      SetStringValue(table, entry.field, entry.value);
    }
  }
  tlPostRecord(table);
}

}  // namespace aggregate
