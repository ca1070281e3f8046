#include "platform/linux/InterruptAsCancel.h"

namespace aggregate::platform::console {

namespace {
volatile std::sig_atomic_t interruptReceived = 0;
extern "C" void onInterrupt(int) { interruptReceived = 1; }
}  // namespace

InterruptAsCancel::InterruptAsCancel() {
  interruptReceived = 0;
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous_);
}

InterruptAsCancel::~InterruptAsCancel() { sigaction(SIGINT, &previous_, nullptr); }

bool InterruptAsCancel::take() {
  const bool received = interruptReceived != 0;
  interruptReceived = 0;
  return received;
}

}  // namespace aggregate::platform::console
