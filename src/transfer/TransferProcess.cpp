#include "transfer/TransferProcess.h"

#include "contract/TolvarApi.h"
#include "hostdata/ActiveObject.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"
#include "platform/WaitCursor.h"
#include "transfer/TransferStopped.h"

namespace aggregate {

namespace {

constexpr const char* kTable = "BtypHtyp";

platform::ProgressWindowLayout windowLayout() {
  platform::ProgressWindowLayout layout;
  layout.clientWidth = 380;
  layout.clientHeight = 29;
  layout.label = {8, 8, 417, 16};
  layout.labelText = "Start";
  return layout;
}

std::string unaddableAreas(const BiotopTypRecord& own, const BiotopTypRecord& other) {
  return "Biotoptyp " + own.biotoptyp() + ": Die Flächen „" + own.flaeche() + "“ (" + own.kennungSubObjekt() +
         ") und „" + other.flaeche() + "“ (" + other.kennungSubObjekt() +
         ") lassen sich nicht zusammenzählen.";
}

}  // namespace

TransferProcess::TransferProcess(const TransferKindRow& kind, std::string targetKennung)
    : kind_(kind),
      window_(platform::ui().createProgressWindow(windowLayout())),
      targetKennung_(std::move(targetKennung)) {}

void TransferProcess::run(const IntegerList& selected, int32_t targetId) {
  platform::WaitCursor waitCursor;
  window_->setCaption(kind_.caption);
  // Shown once its caption is set: the window is non-modal and nothing is dispatched in
  // between, so the user sees no difference, and a console trace gets a single line.
  window_->show();

  // The lists own their records, so a failing step frees them as well.
  BiotopTypRecords sourceRecords;
  BiotopTypRecords targetRecords;
  // A target whose rows are replaced loses them only once every source has been read: a source
  // that cannot be read then stops the run with the target as it was.
  if (kind_.replacesTargetRows) collectSourceRecords(selected, sourceRecords);
  tlSetActiveObject(targetId);
  tlEnsureData(targetId);
  if (kind_.replacesTargetRows) {
    confirmActive(targetId);
    deleteTargetBiotopTypes();
  } else {
    collectSourceRecords(selected, sourceRecords);
  }
  readBiotopTypes(BiotopTypRecord::kTargetReading, targetId, targetRecords);
  mergeBiotopTypes(targetRecords, sourceRecords);
  writeBiotopTypes(targetId, targetRecords);
  freeRecords(sourceRecords);
  freeRecords(targetRecords);
}

std::string TransferProcess::stoppedText(const std::string& reason) const {
  const std::string outcome = targetRowsDeleted_
                                  ? std::string("; die bisherigen Biotoptypen von ") + targetKennung_ +
                                        " sind gelöscht, es wurden aber keine Biotoptypen übertragen.\r\n"
                                  : "; es wurden keine Biotoptypen übertragen.\r\n";
  return std::string("Die Datenübertragung wurde abgebrochen") + outcome + reason;
}

void TransferProcess::activate(int32_t objectId) {
  if (!MakeActive(objectId)) throw TransferStopped(notActivated(objectId));
}

void TransferProcess::confirmActive(int32_t objectId) {
  if (tlGetActiveGeoObject() != objectId) throw TransferStopped(notActivated(objectId));
}

std::string TransferProcess::notActivated(int32_t objectId) const {
  return GetObjectKennung(objectId) + " ließ sich nicht zum aktiven Objekt machen.";
}

void TransferProcess::deleteTargetBiotopTypes() {
  // A row that cannot be deleted ends the loop instead of repeating it; the rows left take part
  // in the merge.
  targetRowsDeleted_ = true;
  tlTableLast(kTable);
  if (!DeleteAllRows(kTable)) {
    platform::ui().showMessage(platform::MessageKind::Warning,
                               std::string("Nicht alle bisherigen Biotoptypen von ") + targetKennung_ +
                                   " konnten gelöscht werden. Die übrigen bleiben erhalten und werden "
                                   "mit den übertragenen Biotoptypen zusammengeführt.");
  }
}

void TransferProcess::readBiotopTypes(const BiotopTypRecord::Reading& reading, int32_t objectId,
                                      BiotopTypRecords& records) {
  window_->setStatus("Lese Daten von " + GetObjectKennung(objectId));
  // Another object's rows would be read as this one's: a target merged with itself.
  activate(objectId);
  SynchronizeObject(objectId);
  ForEachRow(kTable, [&] {
    auto record = std::make_unique<BiotopTypRecord>(reading, objectId);
    record->read(objectId);
    records.push_back(std::move(record));
  });
}

void TransferProcess::collectSourceRecords(const IntegerList& selected, BiotopTypRecords& sourceRecords) {
  const BiotopTypRecord::Reading reading = BiotopTypRecord::sourceReading(kind_);
  for (int32_t index = 0; index < selected.size(); ++index) {
    const int32_t id = selected[index];
    if (tlGetClassOf(id) == kind_.sourceClass) readBiotopTypes(reading, id, sourceRecords);
  }
}

void TransferProcess::mergeBiotopTypes(BiotopTypRecords& targetRecords, BiotopTypRecords& sourceRecords) {
  // Source records appended earlier in this pass count as targets too, so equal source records
  // collapse into one; merged source records stay in the source list.
  MergeChildList(targetRecords, sourceRecords, &BiotopTypRecord::fits,
                 [](BiotopTypRecord& target, BiotopTypRecord& source) {
                   if (!target.merge(source)) throw TransferStopped(unaddableAreas(target, source));
                 });
}

void TransferProcess::writeBiotopTypes(int32_t targetId, const BiotopTypRecords& targetRecords) {
  activate(targetId);
  SynchronizeObject(targetId);
  window_->setStatus("Schreibe Daten");
  TargetRows rows(kTable);
  for (const auto& record : targetRecords) record->write(rows);
}

void TransferProcess::freeRecords(BiotopTypRecords& records) {
  for (auto& record : records) record.reset();  // in list order
  records.clear();
}

}  // namespace aggregate
