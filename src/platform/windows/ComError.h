#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace aggregate::platform::win32 {

// Throws LibraryError naming the failed COM call, its description and its result code. The
// description is the one given (from a dispatch exception), else the thread's error object's,
// else the system's text for the result code; without any, the call is said to have failed.
[[noreturn]] void throwComError(std::string_view call, HRESULT result, std::wstring description = {});

}  // namespace aggregate::platform::win32
