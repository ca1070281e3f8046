#pragma once
// Inside the library every text is UTF-8. Texts cross the host boundary in the host's 8-bit
// code page: the user's ANSI code page on Windows, Windows-1252 on Linux; the host-data layer
// converts them there, each face with its own code page.
#include <string>
#include <string_view>

namespace aggregate::platform {

// Every byte a host may send has a UTF-8 form, and converting it back gives the same byte.
std::string hostTextToUtf8(std::string_view hostText);
// Characters the host's code page cannot hold become '?'.
std::string utf8ToHostText(std::string_view utf8);

// Windows-1252, lossless for all 256 bytes (the five unassigned ones are the C1 controls, as on
// Windows): the Linux face's host texts and dBase files. Characters without a Windows-1252 form
// become '?'.
std::string windows1252ToUtf8(std::string_view text);
std::string utf8ToWindows1252(std::string_view utf8);

}  // namespace aggregate::platform
