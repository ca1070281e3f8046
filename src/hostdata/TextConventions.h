#pragma once
// Text forms shared by the whole library: trimming, integer text, numbers as the user writes
// them, and the two number text forms it writes. Pure functions: the decimal separator is an
// argument, so no global locale of the host process can change a result.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aggregate {

// Removes every leading and trailing character with a code of 32 or less.
std::string Trim(std::string_view text);

// Leading blanks, optional sign, then decimal digits or $/x/X/0x/0X and at most 8 significant
// hexadecimal digits (the 32-bit pattern they spell), and nothing after it.
std::optional<int32_t> ParseIntegerText(std::string_view text);

// Optional surrounding blanks, optional sign, digits with at most one decimal separator (only
// the given one), optional exponent. No thousands separators.
std::optional<double> ParseUserNumber(std::string_view text, char decimalSeparator);

// A number in the user's notation, or else with the other decimal separator (every point a comma,
// or, without a point, every comma a point); nullopt when it is a number in neither.
std::optional<double> ParseFloatTolerant(std::string_view text, char decimalSeparator);

// General format with 15 significant digits; positional from 1E-4 up to below 1E15,
// exponent form (5E-5, 2.5E15) outside.
std::string LocaleNumberText(double value, char decimalSeparator);

// The locale number text with every comma replaced by a point.
std::string PointNumberText(double value, char decimalSeparator);

// Rounds to 4 decimals, exact halves to the even neighbour.
double RoundTo4Decimals(double value);

}  // namespace aggregate
