#pragma once
// Win32 gets the library's UTF-8 texts as UTF-16, so that they show right under every code page.
#include <windows.h>

#include <string>
#include <string_view>

namespace aggregate::platform::win32 {

std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

// 8-bit texts of a code page (the host's CP_ACP); characters it cannot hold become '?'.
std::wstring wideFromCodePage(UINT codePage, std::string_view text);
std::string codePageFromWide(UINT codePage, std::wstring_view wide);

}  // namespace aggregate::platform::win32
