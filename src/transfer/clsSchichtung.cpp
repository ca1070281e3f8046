#include "transfer/clsSchichtung.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "Schichtung";
constexpr const char* kIdentity = "Schicht";
}  // namespace

void TSchichtungData::ReadData() {
  FSchicht = GetStringValue(kTable, kIdentity);
  FPKey = GetIntValue(kTable, "PKEY");
  ReadChildRows("Pflanzenliste", FPflanzen);
  ReadChildRows("Tierliste", FTiere, [](const TTierData& tier) { return !tier.Art().empty(); });
}

void TSchichtungData::WriteData() const {
  if (!FindRowWithValue(kTable, kIdentity, FSchicht)) AppendData();
  for (const auto& tier : FTiere) tier->WriteData();
  for (const auto& pflanze : FPflanzen) pflanze->WriteData();
}

void TSchichtungData::Merge(TSchichtungData& pExternalSchichtung) {
  MergeChildList(FTiere, pExternalSchichtung.FTiere, &TTierData::Art);
  MergeChildList(FPflanzen, pExternalSchichtung.FPflanzen, SameIdentity(&TPflanzeData::Art),
                 &TPflanzeData::MergeAnzahl);
}

void TSchichtungData::AppendData() const { AppendRow(kTable, {{kIdentity, FSchicht}}); }

}  // namespace aggregate
