#pragma once

namespace aggregate::platform::win32 {

// COM on the calling thread for the lifetime of the object. The host's thread may already be
// in an apartment of its own; only a CoInitializeEx of this object is balanced by it.
class ComApartment {
 public:
  ComApartment();  // throws LibraryError when COM cannot be used on this thread
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool mustUninitialize_ = false;
};

}  // namespace aggregate::platform::win32
