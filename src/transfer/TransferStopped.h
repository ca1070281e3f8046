#pragma once
#include "common/LibraryError.h"

namespace aggregate {

// A transfer run that stopped before it wrote anything of the sources; the text is the reason, in
// German (Windows-1252).
class TransferStopped : public LibraryError {
 public:
  using LibraryError::LibraryError;
};

}  // namespace aggregate
