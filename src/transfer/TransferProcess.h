#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/UserInterface.h"
#include "transfer/BiotoptypRecord.h"
#include "transfer/TransferKind.h"

namespace aggregate {

// One transfer in its progress window, a small non-modal window with one status line: reads all
// records into memory, merges them and writes the result into the target.
class TransferProcess {
 public:
  TransferProcess(const TransferKindRow& kind, std::string targetKennung, platform::UserInterface& ui);

  // Throws LibraryError, with the reason, when an area cannot be read or added or an object
  // cannot be made the active one; nothing of the sources has been written then.
  void run(const std::vector<int32_t>& selected, int32_t targetId);
  // What the user is told of a run stopped for that reason: what became of the target, then why.
  std::string stoppedText(const std::string& reason) const;

 private:
  // Makes the object active, or stops the run before its tables are touched.
  void activate(int32_t objectId) const;
  void confirmActive(int32_t objectId) const;
  void deleteTargetBiotoptypen();
  void readBiotoptypen(const BiotoptypRecord::Reading& reading, int32_t objectId, BiotoptypRecords& records);
  void collectSourceRecords(const std::vector<int32_t>& selected, BiotoptypRecords& sourceRecords);
  static void mergeBiotoptypen(BiotoptypRecords& targetRecords, BiotoptypRecords& sourceRecords);
  void writeBiotoptypen(int32_t targetId, const BiotoptypRecords& targetRecords);

  const TransferKindRow& kind_;
  platform::UserInterface& ui_;
  std::unique_ptr<platform::ProgressWindow> window_;
  std::string targetKennung_;
  bool targetRowsDeleted_ = false;
};

}  // namespace aggregate
