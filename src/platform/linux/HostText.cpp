// The Linux face's host speaks Windows-1252.
#include "platform/TextEncoding.h"

namespace aggregate::platform {

std::string hostTextToUtf8(std::string_view hostText) { return windows1252ToUtf8(hostText); }

std::string utf8ToHostText(std::string_view utf8) { return utf8ToWindows1252(utf8); }

}  // namespace aggregate::platform
