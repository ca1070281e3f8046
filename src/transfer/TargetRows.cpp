#include "transfer/TargetRows.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

TargetRows::TargetRows(const char* table) : table_(table) {
  ForEachRow(table_, [this] { codes_.insert(currentCodes()); });
  tlTableFirst(table_);
}

TargetRows::Codes TargetRows::currentCodes() const {
  return {GetStringValue(table_, "Biotoptyp"), GetStringValue(table_, "Oekotyp"),
          GetStringValue(table_, "P62_Typ")};
}

bool TargetRows::moveToKey(int32_t key) const {
  // A handler called by an earlier write may have moved the cursor; then the search starts over.
  while (tlTableEOF(table_) == 0) {
    if (GetIntValue(table_, "PKEY") == key) return true;
    tlTableNext(table_);
  }
  return FindRow(table_, [&] { return GetIntValue(table_, "PKEY") == key; });
}

void TargetRows::addCurrentRow() { codes_.insert(currentCodes()); }

}  // namespace aggregate
