#include "hostdata/TextConventions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace aggregate {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<uint32_t> parseHexDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint32_t value = 0;
  int significant = 0;
  for (const char c : digits) {
    const int d = hexDigitValue(c);
    if (d < 0) return std::nullopt;
    if (significant > 0 || d != 0) ++significant;
    if (significant > 8) return std::nullopt;
    value = (value << 4) | static_cast<uint32_t>(d);
  }
  return value;
}

std::optional<uint32_t> parseDecimalDigits(std::string_view digits, bool negative) {
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
  const uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
  uint64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

}  // namespace

std::string Trim(std::string_view text) {
  const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
  const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), isSpace).base();
  return std::string(first, last);
}

std::optional<int32_t> ParseIntegerText(std::string_view text) {
  std::size_t pos = text.find_first_not_of(' ');
  if (pos == std::string_view::npos) return std::nullopt;
  text.remove_prefix(pos);
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::optional<uint32_t> magnitude;
  if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
    magnitude = parseHexDigits(text.substr(1));
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    magnitude = parseHexDigits(text.substr(2));
  } else {
    magnitude = parseDecimalDigits(text, negative);
  }
  if (!magnitude) return std::nullopt;
  const uint32_t pattern = negative ? 0U - *magnitude : *magnitude;
  return static_cast<int32_t>(pattern);
}

std::optional<double> ParseUserNumber(std::string_view text, char decimalSeparator) {
  const std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return std::nullopt;
  const std::size_t end = text.find_last_not_of(' ') + 1;
  text = text.substr(begin, end - begin);

  // Rebuilt in the neutral form that from_chars reads, after checking the user's form.
  std::string neutral;
  std::size_t pos = 0;
  if (text[pos] == '+' || text[pos] == '-') {
    if (text[pos] == '-') neutral.push_back('-');
    ++pos;
  }
  int mantissaDigits = 0;
  bool separatorSeen = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (isDigit(c)) {
      ++mantissaDigits;
      neutral.push_back(c);
    } else if (c == decimalSeparator && !separatorSeen) {
      separatorSeen = true;
      neutral.push_back('.');
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (pos < text.size()) {
    if (text[pos] != 'E' && text[pos] != 'e') return std::nullopt;
    neutral.push_back('e');
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) neutral.push_back(text[pos++]);
    const std::size_t exponentStart = pos;
    while (pos < text.size() && isDigit(text[pos])) neutral.push_back(text[pos++]);
    if (pos == exponentStart || pos != text.size()) return std::nullopt;
  }
  if (neutral.front() == '.' || (neutral.size() > 1 && neutral[0] == '-' && neutral[1] == '.')) {
    neutral.insert(neutral.front() == '-' ? 1 : 0, "0");
  }
  double value = 0;
  const auto [ptr, ec] = std::from_chars(neutral.data(), neutral.data() + neutral.size(), value);
  if (ec != std::errc() || ptr != neutral.data() + neutral.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> ParseFloatTolerant(std::string_view text, char decimalSeparator) {
  if (const auto value = ParseUserNumber(text, decimalSeparator)) return value;
  std::string other(text);
  if (other.find('.') != std::string::npos) {
    std::replace(other.begin(), other.end(), '.', ',');
  } else {
    std::replace(other.begin(), other.end(), ',', '.');
  }
  return ParseUserNumber(other, decimalSeparator);
}

std::string LocaleNumberText(double value, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";

  // 15 significant digits: one before the point and 14 after in scientific notation.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t ePos = scientific.find('e');
  std::string digits;
  for (const char c : scientific.substr(0, ePos)) {
    if (isDigit(c)) digits.push_back(c);
  }
  const int exponent = std::atoi(std::string(scientific.substr(ePos + 1)).c_str());
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = value < 0 ? "-" : "";
  if (exponent >= 15 || exponent < -4) {
    text += digits[0];
    if (digits.size() > 1) {
      text += decimalSeparator;
      text.append(digits, 1);
    }
    text += 'E';
    text += std::to_string(exponent);
  } else if (exponent >= 0) {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      text += digits + std::string(integerDigits - digits.size(), '0');
    } else {
      text.append(digits, 0, integerDigits);
      text += decimalSeparator;
      text.append(digits, integerDigits);
    }
  } else {
    text += '0';
    text += decimalSeparator;
    text += std::string(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  }
  return text;
}

std::string PointNumberText(double value, char decimalSeparator) {
  std::string text = LocaleNumberText(value, decimalSeparator);
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

double RoundTo4Decimals(double value) { return std::nearbyint(value * 10000) / 10000; }

}  // namespace aggregate
