#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "common/LibraryError.h"

namespace aggregate::platform::win32 {

// A failed COM call: its message names the call, the description and the result code.
class ComFailure : public LibraryError {
 public:
  ComFailure(std::string_view call, std::string description, HRESULT code);

  // The provider's or system's own text, and its own code (for an ADO error, the provider's code
  // from the exception record, not the DISP_E_EXCEPTION that carried it).
  const std::string& description() const { return description_; }
  std::string codeText() const;
  // What the user is told: the provider's text and its code, without the ADO call's name.
  std::string forUser() const { return description_ + " (" + codeText() + ")"; }

 private:
  std::string description_;
  HRESULT code_;
};

// Throws ComFailure. The description is the one given (from a dispatch exception), else the
// thread's error object's, else the system's text for the result code; without any, the call is
// said to have failed.
[[noreturn]] void throwComError(std::string_view call, HRESULT result, std::wstring description = {});

}  // namespace aggregate::platform::win32
