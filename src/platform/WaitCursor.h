#pragma once
#include "platform/UserInterface.h"

namespace aggregate::platform {

// Hourglass for the lifetime of the object, the default cursor afterwards.
class WaitCursor {
 public:
  WaitCursor() { ui().setWaitCursor(true); }
  ~WaitCursor() {
    try {
      ui().setWaitCursor(false);
    } catch (...) {  // a destructor must not throw; the cursor is cosmetic
    }
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace aggregate::platform
