#pragma once
#include "platform/UserInterface.h"

namespace aggregate::platform {

// Hourglass for the lifetime of the object, the default cursor afterwards.
class WaitCursor {
 public:
  explicit WaitCursor(UserInterface& ui) : ui_(ui) { ui_.setWaitCursor(true); }
  ~WaitCursor() { ui_.setWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserInterface& ui_;
};

}  // namespace aggregate::platform
