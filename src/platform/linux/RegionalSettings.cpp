#include "platform/RegionalSettings.h"

#include <langinfo.h>
#include <locale.h>

#include <memory>
#include <string>

namespace aggregate::platform {

namespace {

struct LocaleFree {
  void operator()(locale_t locale) const { freelocale(locale); }
};

// Number texts are written with one character: a separator outside ASCII (several bytes in the
// library's UTF-8) gives the point.
char usableSeparator(const std::string& radix) {
  return radix.size() == 1 && static_cast<unsigned char>(radix[0]) < 0x80 ? radix[0] : '.';
}

// Only the numeric category decides: a locale missing for another category must not take a
// valid one away, as std::locale("") would.
char separatorOfEnvironment() {
  const std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleFree> numeric(
      newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr)));
  if (numeric == nullptr) return '.';  // the environment names no numeric locale this system has
  return usableSeparator(nl_langinfo_l(RADIXCHAR, numeric.get()));
}

}  // namespace

char decimalSeparator() {
  // The environment of a process does not change its locale names while the host runs.
  static const char separator = separatorOfEnvironment();
  return separator;
}

}  // namespace aggregate::platform
