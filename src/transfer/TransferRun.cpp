#include "transfer/TransferRun.h"

#include "boundary/LibraryError.h"

namespace aggregate {

int16_t RunTransfer(int32_t, int32_t, int32_t) {
  throw LibraryError("Datenübertragung noch nicht verfügbar");
}
void CheckObjectSelection(const TObjectInfo*) {}

}  // namespace aggregate
