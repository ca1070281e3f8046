#include "transfer/VegetationstypRecord.h"

#include "hostdata/AttributeValues.h"
#include "hostdata/Schema.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = schema::kVegetationstyp.name;
constexpr const char* kIdentity = schema::kVegetationstyp.identity;
}  // namespace

void VegetationstypRecord::read() {
  vegetationstyp_ = GetStringValue(kTable, kIdentity);
  ReadChildRows(schema::kSchichtung.name, schichtungen_);
}

void VegetationstypRecord::write() const {
  if (!FindRowWithValue(kTable, kIdentity, vegetationstyp_)) append();
  for (const auto& schichtung : schichtungen_) schichtung->write();
}

void VegetationstypRecord::merge(VegetationstypRecord& other) {
  MergeChildList(schichtungen_, other.schichtungen_, SameIdentity(&SchichtungRecord::schicht),
                 &SchichtungRecord::merge);
}

void VegetationstypRecord::append() const { AppendRow(kTable, {{kIdentity, vegetationstyp_}}); }

}  // namespace aggregate
