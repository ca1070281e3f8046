#include "transfer/SchichtungRecord.h"

#include "hostdata/AttributeValues.h"
#include "hostdata/Schema.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = schema::kSchichtung.name;
constexpr const char* kIdentity = schema::kSchichtung.identity;
}  // namespace

void SchichtungRecord::read() {
  schicht_ = GetStringValue(kTable, kIdentity);
  ReadChildRows(schema::kPflanzenliste.name, pflanzen_);
  ReadChildRows(schema::kTierliste.name, tiere_,
                [](const TierRecord& tier) { return !tier.identity().empty(); });
}

void SchichtungRecord::write() const {
  if (!FindRowWithValue(kTable, kIdentity, schicht_)) append();
  for (const auto& tier : tiere_) tier->write();
  for (const auto& pflanze : pflanzen_) pflanze->write();
}

void SchichtungRecord::merge(SchichtungRecord& other) {
  MergeChildList(tiere_, other.tiere_, &TierRecord::identity);
  MergeChildList(pflanzen_, other.pflanzen_, SameIdentity(&PflanzeRecord::art), &PflanzeRecord::mergeAnzahl);
}

void SchichtungRecord::append() const { AppendRow(kTable, {{kIdentity, schicht_}}); }

}  // namespace aggregate
