#include "transfer/clsZusatzcode.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "Zusatzcodes";
constexpr const char* kIdentity = "Zusatzcode";
}  // namespace

void TZusatzCodeData::ReadData() {
  FZusatzcode = GetStringValue(kTable, kIdentity);
  FPkey = GetIntValue(kTable, "PKEY");
}

void TZusatzCodeData::WriteData() const {
  if (!FindRowWithValue(kTable, kIdentity, FZusatzcode)) AppendData();
}

void TZusatzCodeData::AppendData() const { AppendRow(kTable, {{kIdentity, FZusatzcode}}); }

}  // namespace aggregate
