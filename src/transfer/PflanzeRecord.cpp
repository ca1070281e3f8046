#include "transfer/PflanzeRecord.h"

#include "hostdata/AttributeValues.h"
#include "hostdata/Schema.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = schema::kPflanzenliste.name;
constexpr const char* kIdentity = schema::kPflanzenliste.identity;
constexpr const char* kAnzahl = schema::kAnzahlKlass;
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
