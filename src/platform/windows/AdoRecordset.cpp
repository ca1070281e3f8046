#include "platform/windows/AdoRecordset.h"

#include "common/LibraryError.h"
#include "platform/windows/AdoConstants.h"
#include "platform/windows/ModuleLifetime.h"

namespace aggregate::platform::win32 {

AdoRecordset::~AdoRecordset() {
  if (recordset_.pointer() == nullptr || moduleDetaching()) return;
  try {
    if (recordset_.get(L"State").toInteger() != ado::kStateClosed) recordset_.call(L"Close");
  } catch (const LibraryError&) {  // releasing the object below closes it all the same
  }
}

std::vector<std::string> AdoRecordset::firstColumn(std::size_t maxRows) {
  std::vector<std::string> values;
  while (values.size() < maxRows && !recordset_.get(L"EOF").isTrue()) {
    DispatchObject field =
        recordset_.member(L"Fields").get(L"Item", variants(Variant::integer(0))).toObject("Field");
    values.push_back(field.get(L"Value").toText());
    recordset_.call(L"MoveNext");
  }
  return values;
}

}  // namespace aggregate::platform::win32
