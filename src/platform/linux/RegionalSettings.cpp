#include "platform/RegionalSettings.h"

#include <locale>

namespace aggregate::platform {

namespace {
char separatorOfEnvironment() {
  try {
    return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
  } catch (const std::exception&) {
    return '.';  // the environment names no locale this system has
  }
}
}  // namespace

char decimalSeparator() {
  // The environment of a process does not change its locale names while the host runs.
  static const char separator = separatorOfEnvironment();
  return separator;
}

}  // namespace aggregate::platform
