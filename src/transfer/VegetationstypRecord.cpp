#include "transfer/VegetationstypRecord.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "Vegetationstyp";
constexpr const char* kIdentity = "Vegetationstyp";
}  // namespace

void VegetationstypRecord::read() {
  vegetationstyp_ = GetStringValue(kTable, kIdentity);
  ReadChildRows("Schichtung", schichtungen_);
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
