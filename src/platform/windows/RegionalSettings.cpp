#include "platform/RegionalSettings.h"

#include <windows.h>

#include <array>

#include "platform/windows/WideText.h"

namespace aggregate::platform {

// Read on every call: the user may change the regional settings while the host runs.
// A separator of several characters, or one the host's 8-bit texts cannot hold, gives the point.
char decimalSeparator() {
  std::array<wchar_t, 8> separator{};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                     static_cast<int>(separator.size())) != 2)
    return '.';
  const std::string ansi = win32::ansiFromWide(std::wstring_view(separator.data(), 1));
  const bool held = ansi.size() == 1 && (ansi[0] != '?' || separator[0] == L'?');
  return held ? ansi[0] : '.';
}

}  // namespace aggregate::platform
