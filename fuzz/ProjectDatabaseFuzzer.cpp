// Project database bytes, as an Access .mdb and as SQLite, through the platform's connect function:
// a damaged file is refused with LibraryError, never a crash.
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "common/LibraryError.h"
#include "platform/ProjectDatabase.h"

namespace {
void readAll(const std::string& name, const uint8_t* data, std::size_t size) {
  const fuzz::FuzzFile file(name, data, size);
  try {
    const auto database = aggregate::platform::connectProjectDatabase(file.path().string());
    database->openTable("BtypHtyp");
    database->keysOfObject("BtypHtyp", 1);
    database->valuesOfObject("BtypHtyp", "Biotoptyp", 1);
  } catch (const aggregate::LibraryError&) {
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  readAll("projekt.mdb", data, size);
  readAll("projekt.sqlite", data, size);
  return 0;
}
