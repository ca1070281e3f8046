#pragma once
#include <windows.h>

#include <vector>

namespace aggregate::platform::win32 {

// For the lifetime of a modal dialog, every other enabled top-level window of the thread is
// disabled (the host's main window, a progress window), so that no host command can start while
// the dialog waits. The owner is left to the dialog itself: it must re-enable the owner before
// it goes, or the focus would leave the host.
class ModalScope {
 public:
  explicit ModalScope(HWND owner);
  ~ModalScope();  // re-enables exactly the windows it disabled
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  HWND owner() const { return owner_; }

 private:
  static BOOL CALLBACK disable(HWND window, LPARAM scope);

  HWND owner_;
  std::vector<HWND> disabled_;
};

}  // namespace aggregate::platform::win32
