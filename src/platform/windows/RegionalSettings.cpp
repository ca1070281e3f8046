#include "platform/RegionalSettings.h"

#include <windows.h>

#include <array>

namespace aggregate::platform {

// Read on every call: the user may change the regional settings while the host runs.
// A separator of several characters, or one outside ASCII (several bytes in the library's
// UTF-8), gives the point.
char decimalSeparator() {
  std::array<wchar_t, 8> separator{};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                     static_cast<int>(separator.size())) != 2)
    return '.';
  return separator[0] > L' ' && separator[0] < 0x7F ? static_cast<char>(separator[0]) : '.';
}

}  // namespace aggregate::platform
