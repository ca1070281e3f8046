#include "transfer/clsPflanze.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "Pflanzenliste";
constexpr const char* kIdentity = "Pflanzenart";
constexpr const char* kAnzahl = "Anzahl_klass";
}  // namespace

void TPflanzeData::ReadData() {
  FArt = GetStringValue(kTable, kIdentity);
  FAnzahl = GetStringValue(kTable, kAnzahl);
  FPKey = GetIntValue(kTable, "PKEY");
}

void TPflanzeData::WriteData() const {
  if (!FindRowWithValue(kTable, kIdentity, FArt)) AppendData();
}

void TPflanzeData::MergeAnzahl(const TPflanzeData& pExternalPflanze) {
  if (FAnzahl != pExternalPflanze.FAnzahl) FAnzahl.clear();
}

void TPflanzeData::AppendData() const { AppendRow(kTable, {{kIdentity, FArt}, {kAnzahl, FAnzahl}}); }

}  // namespace aggregate
