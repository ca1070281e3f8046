#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "boundary/IntList.h"
#include "platform/UserInterface.h"
#include "transfer/clsBiotoptyp.h"

namespace aggregate {

// The transfer's progress form: a small non-modal window with one status line, and the run
// itself, which reads all records into memory, merges them and writes the result into the target.
class TFormProcessAggregation_TLApi {
 public:
  TFormProcessAggregation_TLApi(int32_t transitionType, std::string masterObjectKennung);

  // Throws TransferStopped when an area text cannot be read; nothing of the sources has been
  // written then.
  void process(int32_t pTransitionType, const TIntegerlist& pListOfSelected, int32_t pMasterObjectId);

 private:
  void SetTransitionCaption(int32_t pTransitionType);
  void DeleteTargetBiotopTypes();
  void ReadBiotopTypes(int32_t pTransitionType, int32_t pObjId, TBiotopTypList& pList);
  void CollectSourceRecords(int32_t pTransitionType, const TIntegerlist& pListOfSelected,
                            TBiotopTypList& pSourceList);
  void MergeBiotopTypes(TBiotopTypList& pTargetList, TBiotopTypList& pSourceList);
  void WriteBiotopTypes(int32_t pTargetId, const TBiotopTypList& pTargetList);
  static void FreeRecordList(TBiotopTypList& pList);

  std::unique_ptr<platform::ProgressWindow> FormWindow;
  std::string MasterObjectKennung;
  int32_t TransitionType;
};

}  // namespace aggregate
