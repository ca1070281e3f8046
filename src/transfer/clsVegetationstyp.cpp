#include "transfer/clsVegetationstyp.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "Vegetationstyp";
constexpr const char* kIdentity = "Vegetationstyp";
}  // namespace

void TVegetationstypData::ReadData() {
  FVegetationstyp = GetStringValue(kTable, kIdentity);
  FPkey = GetIntValue(kTable, "PKEY");
  ReadChildRows("Schichtung", FSchichtungen);
}

void TVegetationstypData::WriteData() const {
  if (!FindRowWithValue(kTable, kIdentity, FVegetationstyp)) AppendData();
  for (const auto& schichtung : FSchichtungen) schichtung->WriteData();
}

void TVegetationstypData::Merge(TVegetationstypData& pExternalVegetationstyp) {
  MergeChildList(FSchichtungen, pExternalVegetationstyp.FSchichtungen,
                 SameIdentity(&TSchichtungData::Schicht), &TSchichtungData::Merge);
}

void TVegetationstypData::AppendData() const { AppendRow(kTable, {{kIdentity, FVegetationstyp}}); }

}  // namespace aggregate
