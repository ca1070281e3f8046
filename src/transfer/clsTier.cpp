#include "transfer/clsTier.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "Tierliste";
constexpr const char* kIdentity = "Tierart";
}  // namespace

void TTierData::ReadData() {
  FArt = GetStringValue(kTable, kIdentity);
  FPKey = GetIntValue(kTable, "PKEY");
}

void TTierData::WriteData() const {
  // An existing row is left as it is.
  if (!FindRowWithValue(kTable, kIdentity, FArt)) AppendData();
}

void TTierData::AppendData() const { AppendRow(kTable, {{kIdentity, FArt}}); }

}  // namespace aggregate
