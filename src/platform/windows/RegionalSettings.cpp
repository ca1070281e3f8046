#include "platform/RegionalSettings.h"

#include <windows.h>

#include <array>

#include "platform/windows/WideText.h"

namespace aggregate::platform {

// Read on every call: the user may change the regional settings while the host runs.
char decimalSeparator() {
  std::array<wchar_t, 8> separator{};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                     static_cast<int>(separator.size())) <= 1)
    return '.';
  const std::string ansi = win32::ansiFromWide(std::wstring_view(separator.data(), 1));
  return ansi.empty() ? '.' : ansi.front();
}

}  // namespace aggregate::platform
