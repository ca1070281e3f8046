// Integer and number texts: what is read back from a written text is what was written, in both
// notations; a text read once reads the same when written and read again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "hostdata/TextConventions.h"

using namespace aggregate;

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// 15 significant digits round the largest doubles up past the range: 1.79769313486232E308 is
// written for DBL_MAX and cannot be read back. Areas and shares never come near.
constexpr double kLargestWrittenExactly = 1.79769313486231e308;

void numberRoundTrip(double value, char separator) {
  if (std::fabs(value) > kLargestWrittenExactly) return;
  const std::string text = LocaleNumberText(value, separator);
  const auto read = ParseUserNumber(text, separator);
  require(read.has_value());
  require(LocaleNumberText(*read, separator) == text);
  const auto point = ParseUserNumber(PointNumberText(value, separator), '.');
  require(point.has_value() && *point == *read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto integer = ParseIntegerText(text)) {
    require(ParseIntegerText(std::to_string(*integer)) == integer);
  }
  for (const char separator : {',', '.'}) {
    if (const auto number = ParseUserNumber(text, separator); number && std::isfinite(*number))
      numberRoundTrip(*number, separator);
  }
  if (size >= sizeof(double)) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) {
      numberRoundTrip(value, ',');
      numberRoundTrip(value, '.');
    }
  }
  if (size >= sizeof(int32_t)) {
    int32_t value = 0;
    std::memcpy(&value, data, sizeof value);
    require(ParseIntegerText(std::to_string(value)) == value);
  }
  return 0;
}
