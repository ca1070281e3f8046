#include "transfer/TargetRows.h"

#include "hostdata/AttributeValues.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = schema::kBtypHtyp.name;
}  // namespace

TargetRows::TargetRows() {
  ForEachRow(kTable, [this] { addCurrentRow(); });
  tlTableFirst(kTable);
}

bool TargetRows::moveToKey(int32_t key) const {
  // A handler called by an earlier write may have moved the cursor; then the search starts over.
  while (tlTableEOF(kTable) == 0) {
    if (GetIntValue(kTable, schema::kPkey) == key) return true;
    tlTableNext(kTable);
  }
  return FindRow(kTable, [&] { return GetIntValue(kTable, schema::kPkey) == key; });
}

void TargetRows::addCurrentRow() { keys_.insert(MergeKeyOf(ReadCodesOfCurrentRow())); }

}  // namespace aggregate
