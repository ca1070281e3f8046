#pragma once
#include <string>
#include <string_view>

namespace aggregate::platform {

// Windows-1252 is the 8-bit text of the host boundary; UTF-8 is what consoles, files and
// source literals hold. Characters without a Windows-1252 form become '?'.
std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);

}  // namespace aggregate::platform

namespace aggregate {
// German texts are written as UTF-8 literals in the code and handed to the host as Windows-1252.
inline std::string Ansi(std::string_view utf8) { return platform::utf8ToAnsi(utf8); }
}  // namespace aggregate
