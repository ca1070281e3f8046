// TA_LIST.DBF bytes through the Linux face's change list: a reader or writer may refuse a file with
// LibraryError, never crash, hang or touch memory it does not own.
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "common/LibraryError.h"
#include "platform/ChangeListConnection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const fuzz::FuzzFile file("TA_LIST.DBF", data, size);
  try {
    const auto list = aggregate::platform::connectChangeList(file.directory().string());
    const std::string state = list->changeState("GB-001");
    list->setChangeStateUpdate("GB-001");
    list->setChangeStateUpdate(state);
    list->changeState("");
  } catch (const aggregate::LibraryError&) {
  }
  return 0;
}
