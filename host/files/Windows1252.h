// Texts cross the plug-in boundary in Windows-1252; the host's files and terminal hold UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace host {

// Every byte has a character: the five bytes Windows-1252 leaves unassigned stand for the C1
// controls of the same number, as on Windows.
std::string ansiToUtf8(std::string_view ansi);
// Characters without a Windows-1252 code, and malformed UTF-8, become '?'.
std::string utf8ToAnsi(std::string_view utf8);

}  // namespace host
