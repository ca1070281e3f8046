#pragma once
#include <windows.h>

#include <vector>

namespace aggregate::platform::win32 {

// For the lifetime of a modal dialog or a progress window, every other enabled top-level window
// of the thread is disabled (the host's windows, a progress window), so that no host command can
// start while the library waits or works. The spared window is left alone: a dialog's owner,
// which the dialog manager disables and must re-enable itself before it goes (or the focus would
// leave the host), or the progress window that stays usable for its Abbrechen.
class ModalScope {
 public:
  explicit ModalScope(HWND spared);
  ~ModalScope();  // re-enables exactly the windows it disabled
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  HWND owner() const { return spared_; }

 private:
  static BOOL CALLBACK disable(HWND window, LPARAM scope);

  HWND spared_;
  std::vector<HWND> disabled_;
};

}  // namespace aggregate::platform::win32
