#pragma once
// The library's texts are Windows-1252 whatever the system's ANSI code page is; Win32 gets
// them as UTF-16 so that umlauts show the same on every system.
#include <string>
#include <string_view>

namespace aggregate::platform::win32 {

std::wstring wideFromAnsi(std::string_view ansi);
// Characters without a Windows-1252 form become '?'.
std::string ansiFromWide(std::wstring_view wide);

}  // namespace aggregate::platform::win32
