#include "transfer/PflanzeRecord.h"

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "Pflanzenliste";
constexpr const char* kIdentity = "Pflanzenart";
constexpr const char* kAnzahl = "Anzahl_klass";
}  // namespace

void PflanzeRecord::read() {
  art_ = GetStringValue(kTable, kIdentity);
  anzahl_ = GetStringValue(kTable, kAnzahl);
}

void PflanzeRecord::write() const {
  if (!FindRowWithValue(kTable, kIdentity, art_)) append();
}

void PflanzeRecord::mergeAnzahl(const PflanzeRecord& other) {
  if (anzahl_ != other.anzahl_) anzahl_.clear();
}

void PflanzeRecord::append() const { AppendRow(kTable, {{kIdentity, art_}, {kAnzahl, anzahl_}}); }

}  // namespace aggregate
