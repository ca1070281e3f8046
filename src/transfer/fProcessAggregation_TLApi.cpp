#include "transfer/fProcessAggregation_TLApi.h"

#include "boundary/LibraryError.h"
#include "boundary/ObjectClasses.h"
#include "boundary/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"
#include "platform/TextEncoding.h"
#include "transfer/TransferStopped.h"

namespace aggregate {

namespace {

constexpr const char* kTable = "BtypHtyp";
constexpr int32_t kTransitionGBToBK = 2;
constexpr int32_t kTransitionBTToFSN = 4;

platform::ProgressWindowLayout formLayout() {
  platform::ProgressWindowLayout layout;
  layout.clientWidth = 380;
  layout.clientHeight = 29;
  layout.label = {8, 8, 417, 16};
  layout.labelText = "Start";
  return layout;
}

std::string unaddableAreas(const TBiotopTypData& own, const TBiotopTypData& other) {
  return Ansi("Die Datenübertragung wurde abgebrochen; es wurden keine Biotoptypen übertragen.\r\n") +
         Ansi("Biotoptyp ") + own.Biotoptyp() + Ansi(": Die Flächen „") + own.Flaeche() + Ansi("“ (") +
         own.KennungSubObjekt() + Ansi(") und „") + other.Flaeche() + Ansi("“ (") + other.KennungSubObjekt() +
         Ansi(") lassen sich nicht zusammenzählen.");
}

}  // namespace

TFormProcessAggregation_TLApi::TFormProcessAggregation_TLApi(int32_t transitionType,
                                                             std::string masterObjectKennung)
    : FormWindow(platform::ui().createProgressWindow(formLayout())),
      MasterObjectKennung(std::move(masterObjectKennung)),
      TransitionType(transitionType) {}

void TFormProcessAggregation_TLApi::process(int32_t pTransitionType, const TIntegerlist& pListOfSelected,
                                            int32_t pMasterObjectId) {
  platform::WaitCursor waitCursor;
  SetTransitionCaption(pTransitionType);
  // Shown once its caption is set: the window is non-modal and nothing is dispatched in
  // between, so the user sees no difference, and a console trace gets a single line.
  FormWindow->show();
  tlSetActiveObject(pMasterObjectId);
  tlEnsureData(pMasterObjectId);
  if (pTransitionType == kTransitionBTToFSN) DeleteTargetBiotopTypes();

  // The lists own their records, so a failing step frees them as well.
  TBiotopTypList sourceList;
  TBiotopTypList targetList;
  CollectSourceRecords(pTransitionType, pListOfSelected, sourceList);
  ReadBiotopTypes(kTransitionTarget, pMasterObjectId, targetList);
  MergeBiotopTypes(targetList, sourceList);
  WriteBiotopTypes(pMasterObjectId, targetList);
  FreeRecordList(sourceList);
  FreeRecordList(targetList);
}

void TFormProcessAggregation_TLApi::SetTransitionCaption(int32_t pTransitionType) {
  const char* caption = nullptr;
  switch (pTransitionType) {
    case 1:
      caption = "Datenübertragung BT -> GB";
      break;
    case 2:
      caption = "Datenübertragung GB -> BK";
      break;
    case 3:
      caption = "Datenübertragung BT -> BK";
      break;
    case 4:
      caption = "Datenübertragung BT -> FSN";
      break;
    default:
      return;
  }
  FormWindow->setCaption(Ansi(caption));
}

void TFormProcessAggregation_TLApi::DeleteTargetBiotopTypes() {
  // The host leaves the cursor on a remaining row after each delete. A row that cannot be
  // deleted ends the loop instead of repeating it; the rows left take part in the merge.
  tlTableLast(kTable);
  while (tlTableBOF(kTable) == 0) {
    if (!DeleteCurrentRow(kTable)) {
      platform::ui().showMessage(platform::MessageKind::Warning,
                                 Ansi("Nicht alle bisherigen Biotoptypen von ") + MasterObjectKennung +
                                     Ansi(" konnten gelöscht werden. Die übrigen bleiben erhalten und werden "
                                          "mit den übertragenen Biotoptypen zusammengeführt."));
      return;
    }
  }
}

void TFormProcessAggregation_TLApi::ReadBiotopTypes(int32_t pTransitionType, int32_t pObjId,
                                                    TBiotopTypList& pList) {
  FormWindow->setStatus("Lese Daten von " + GetObjectKennung(pObjId));
  tlSetActiveObject(pObjId);
  SynchronizeObject(pObjId);
  ForEachRow(kTable, [&] {
    auto record = std::make_unique<TBiotopTypData>(pTransitionType, pObjId);
    record->ReadData(pObjId);
    pList.push_back(std::move(record));
  });
}

void TFormProcessAggregation_TLApi::CollectSourceRecords(int32_t pTransitionType,
                                                         const TIntegerlist& pListOfSelected,
                                                         TBiotopTypList& pSourceList) {
  const int32_t sourceClass = TransitionType == kTransitionGBToBK ? kClassGB : kClassBT;
  for (int32_t index = 0; index < pListOfSelected.Size(); ++index) {
    const int32_t id = pListOfSelected[index];
    if (tlGetClassOf(id) == sourceClass) ReadBiotopTypes(pTransitionType, id, pSourceList);
  }
}

void TFormProcessAggregation_TLApi::MergeBiotopTypes(TBiotopTypList& pTargetList,
                                                     TBiotopTypList& pSourceList) {
  // Source records appended earlier in this pass count as targets too, so equal source records
  // collapse into one; merged source records stay in the source list.
  MergeChildList(pTargetList, pSourceList, &TBiotopTypData::Fits,
                 [](TBiotopTypData& target, TBiotopTypData& source) {
                   try {
                     target.Merge(source);
                   } catch (const LibraryError&) {
                     throw TransferStopped(unaddableAreas(target, source));
                   }
                 });
}

void TFormProcessAggregation_TLApi::WriteBiotopTypes(int32_t pTargetId, const TBiotopTypList& pTargetList) {
  tlSetActiveObject(pTargetId);
  SynchronizeObject(pTargetId);
  FormWindow->setStatus("Schreibe Daten");
  for (const auto& record : pTargetList) record->WriteData();
}

void TFormProcessAggregation_TLApi::FreeRecordList(TBiotopTypList& pList) {
  for (auto& record : pList) record.reset();  // in list order
  pList.clear();
}

}  // namespace aggregate
