// Texts cross the plug-in boundary in Windows-1252; the host keeps UTF-8 everywhere else.
#pragma once

#include <string>
#include <string_view>

namespace host {

// Characters without a Windows-1252 code become '?'; so do malformed UTF-8 sequences.
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view cp1252);

}  // namespace host
