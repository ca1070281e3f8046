#pragma once
#include <csignal>

namespace aggregate::platform::console {

// Ctrl-C presses the Cancel button of the window that installed this, for as long as it is shown.
class InterruptAsCancel {
 public:
  InterruptAsCancel();
  ~InterruptAsCancel();
  InterruptAsCancel(const InterruptAsCancel&) = delete;
  InterruptAsCancel& operator=(const InterruptAsCancel&) = delete;

  // Whether Ctrl-C was pressed since the last call.
  static bool take();

 private:
  struct sigaction previous_ {};
};

}  // namespace aggregate::platform::console
