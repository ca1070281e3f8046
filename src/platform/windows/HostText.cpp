// The Windows face's host speaks the user's ANSI code page. Its single-byte tables give every
// byte a character and back, so a host's text survives the trip through UTF-8 unchanged.
#include "platform/TextEncoding.h"
#include "platform/windows/WideText.h"

namespace aggregate::platform {

std::string hostTextToUtf8(std::string_view hostText) {
  return win32::utf8FromWide(win32::wideFromCodePage(CP_ACP, hostText));
}

std::string utf8ToHostText(std::string_view utf8) {
  return win32::codePageFromWide(CP_ACP, win32::wideFromUtf8(utf8));
}

}  // namespace aggregate::platform
