#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "common/IntegerList.h"
#include "platform/UserInterface.h"
#include "transfer/BiotopTypRecord.h"
#include "transfer/TransferKind.h"

namespace aggregate {

// One transfer in its progress window, a small non-modal window with one status line: reads all
// records into memory, merges them and writes the result into the target.
class TransferProcess {
 public:
  TransferProcess(const TransferKindRow& kind, std::string targetKennung);

  // Throws TransferStopped, with the reason, when an area text cannot be read or an object cannot
  // be made the active one; nothing of the sources has been written then.
  void run(const IntegerList& selected, int32_t targetId);
  // What the user is told of a run stopped for that reason: what became of the target, then why.
  std::string stoppedText(const std::string& reason) const;

 private:
  // Makes the object active, or stops the run before its tables are touched.
  void activate(int32_t objectId);
  void confirmActive(int32_t objectId);
  std::string notActivated(int32_t objectId) const;
  void deleteTargetBiotopTypes();
  void readBiotopTypes(const BiotopTypRecord::Reading& reading, int32_t objectId, BiotopTypRecords& records);
  void collectSourceRecords(const IntegerList& selected, BiotopTypRecords& sourceRecords);
  static void mergeBiotopTypes(BiotopTypRecords& targetRecords, BiotopTypRecords& sourceRecords);
  void writeBiotopTypes(int32_t targetId, const BiotopTypRecords& targetRecords);
  static void freeRecords(BiotopTypRecords& records);

  const TransferKindRow& kind_;
  std::unique_ptr<platform::ProgressWindow> window_;
  std::string targetKennung_;
  bool targetRowsDeleted_ = false;
};

}  // namespace aggregate
