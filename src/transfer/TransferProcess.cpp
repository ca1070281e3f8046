#include "transfer/TransferProcess.h"

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/ObjectData.h"
#include "hostdata/TableCursor.h"
#include "platform/WaitCursor.h"

namespace aggregate {

namespace {

constexpr const char* kTable = schema::kBtypHtyp.name;

std::string unaddableAreas(const BiotoptypRecord& own, const BiotoptypRecord& other) {
  return "Biotoptyp " + own.biotoptyp() + ": Die Flächen „" + own.flaeche() + "“ (" + own.kennungSubObjekt() +
         ") und „" + other.flaeche() + "“ (" + other.kennungSubObjekt() +
         ") lassen sich nicht zusammenzählen.";
}

[[noreturn]] void stopNotActivated(int32_t objectId) {
  throw LibraryError(GetObjectKennung(objectId) + " ließ sich nicht zum aktiven Objekt machen.");
}

}  // namespace

TransferProcess::TransferProcess(const TransferKindRow& kind, std::string targetKennung,
                                 platform::UserInterface& ui)
    : kind_(kind),
      ui_(ui),
      window_(
          ui.createProgressWindow(platform::ProgressWindowPurpose::Transfer, {kind.caption, "Start", ""})),
      targetKennung_(std::move(targetKennung)) {}

void TransferProcess::run(const std::vector<int32_t>& selected, int32_t targetId) {
  platform::WaitCursor waitCursor(ui_);
  window_->show();

  // The lists own their records, so a failing step frees them as well.
  BiotoptypRecords sourceRecords;
  BiotoptypRecords targetRecords;
  // A target whose rows are replaced loses them only once every source has been read: a source
  // that cannot be read then stops the run with the target as it was.
  if (kind_.replacesTargetRows) collectSourceRecords(selected, sourceRecords);
  tlSetActiveObject(targetId);
  tlEnsureData(targetId);
  if (kind_.replacesTargetRows) {
    confirmActive(targetId);
    deleteTargetBiotoptypen();
  } else {
    collectSourceRecords(selected, sourceRecords);
  }
  readBiotoptypen(BiotoptypRecord::kTargetReading, targetId, targetRecords);
  mergeBiotoptypen(targetRecords, sourceRecords);
  writeBiotoptypen(targetId, targetRecords);
}

std::string TransferProcess::stoppedText(const std::string& reason) const {
  const std::string outcome = targetRowsDeleted_
                                  ? "; die bisherigen Biotoptypen von " + targetKennung_ +
                                        " sind gelöscht, es wurden aber keine Biotoptypen übertragen.\r\n"
                                  : "; es wurden keine Biotoptypen übertragen.\r\n";
  return "Die Datenübertragung wurde abgebrochen" + outcome + reason;
}

void TransferProcess::activate(int32_t objectId) const {
  if (!MakeActive(objectId)) stopNotActivated(objectId);
}

void TransferProcess::confirmActive(int32_t objectId) const {
  if (tlGetActiveGeoObject() != objectId) stopNotActivated(objectId);
}

void TransferProcess::deleteTargetBiotoptypen() {
  // A row that cannot be deleted ends the loop instead of repeating it; the rows left take part
  // in the merge.
  targetRowsDeleted_ = true;
  tlTableLast(kTable);
  if (!DeleteAllRows(kTable)) {
    ui_.showMessage(platform::MessageKind::Warning,
                    "Nicht alle bisherigen Biotoptypen von " + targetKennung_ +
                        " konnten gelöscht werden. Die übrigen bleiben erhalten und werden mit den "
                        "übertragenen Biotoptypen zusammengeführt.");
  }
}

void TransferProcess::readBiotoptypen(const BiotoptypRecord::Reading& reading, int32_t objectId,
                                      BiotoptypRecords& records) {
  window_->setStatus("Lese Daten von " + GetObjectKennung(objectId));
  // Another object's rows would be read as this one's: a target merged with itself.
  activate(objectId);
  SynchronizeObject(objectId);
  ForEachRow(kTable, [&] {
    auto record = std::make_unique<BiotoptypRecord>(reading, objectId);
    record->read(objectId);
    records.push_back(std::move(record));
  });
}

void TransferProcess::collectSourceRecords(const std::vector<int32_t>& selected,
                                           BiotoptypRecords& sourceRecords) {
  const BiotoptypRecord::Reading reading = BiotoptypRecord::sourceReading(kind_);
  for (const int32_t id : selected) {
    if (tlGetClassOf(id) == kind_.sourceClass) readBiotoptypen(reading, id, sourceRecords);
  }
}

void TransferProcess::mergeBiotoptypen(BiotoptypRecords& targetRecords, BiotoptypRecords& sourceRecords) {
  // Source records appended earlier in this pass count as targets too, so equal source records
  // collapse into one; merged source records stay in the source list.
  MergeChildList(
      targetRecords, sourceRecords,
      [](const BiotoptypRecord& own, const BiotoptypRecord& other) {
        return own.mergeKey() == other.mergeKey();
      },
      [](BiotoptypRecord& target, BiotoptypRecord& source) {
        if (!target.merge(source)) throw LibraryError(unaddableAreas(target, source));
      });
}

void TransferProcess::writeBiotoptypen(int32_t targetId, const BiotoptypRecords& targetRecords) {
  activate(targetId);
  SynchronizeObject(targetId);
  window_->setStatus("Schreibe Daten");
  TargetRows rows;
  for (const auto& record : targetRecords) record->write(rows, ui_);
}

}  // namespace aggregate
