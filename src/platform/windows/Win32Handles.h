#pragma once
// Owners of Win32 handles, so that every window, font and device context is released on
// every path.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace aggregate::platform::win32 {

struct WindowDestroyer {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

struct FileCloser {
  void operator()(HANDLE file) const noexcept { CloseHandle(file); }
};
// A file handle; CreateFileW's INVALID_HANDLE_VALUE becomes an empty owner.
class UniqueFile : public std::unique_ptr<void, FileCloser> {
 public:
  explicit UniqueFile(HANDLE file)
      : std::unique_ptr<void, FileCloser>(file == INVALID_HANDLE_VALUE ? nullptr : file) {}
};

// The screen's device context for as long as the object lives.
class ScreenDeviceContext {
 public:
  ScreenDeviceContext() : dc_(GetDC(nullptr)) {}
  ~ScreenDeviceContext() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDeviceContext(const ScreenDeviceContext&) = delete;
  ScreenDeviceContext& operator=(const ScreenDeviceContext&) = delete;

  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace aggregate::platform::win32
