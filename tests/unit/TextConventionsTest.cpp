#include "hostdata/TextConventions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

using namespace aggregate;

namespace {

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEndsOnly) {
  EXPECT_EQ(Trim("  Ab xy\t"), "Ab xy");
  EXPECT_EQ(Trim("\r\n\x01 x \x1f"), "x");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("\xC3\xA4 "), "\xC3\xA4");  // the bytes of UTF-8 sequences are text
}

TEST(IntegerText, DecimalWithLeadingBlanksAndSign) {
  EXPECT_EQ(ParseIntegerText("42"), 42);
  EXPECT_EQ(ParseIntegerText(" 42"), 42);
  EXPECT_EQ(ParseIntegerText(" 12"), 12);
  EXPECT_EQ(ParseIntegerText("+7"), 7);
  EXPECT_EQ(ParseIntegerText("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseIntegerText("2147483647"), INT32_MAX);
}

TEST(IntegerText, RefusesAnythingElse) {
  for (const char* text : {"", " ", "+", "-", "42 ", "12 ", "4.5", "abc", "2147483648", "-2147483649", "\t1",
                           "$", "0x", "x", "1e3", "- 1"}) {
    EXPECT_FALSE(ParseIntegerText(text).has_value()) << "'" << text << "'";
  }
}

TEST(IntegerText, HexadecimalGivesTheBitPattern) {
  EXPECT_EQ(ParseIntegerText("$1F"), 31);
  EXPECT_EQ(ParseIntegerText("x1f"), 31);
  EXPECT_EQ(ParseIntegerText("X1F"), 31);
  EXPECT_EQ(ParseIntegerText("0x1F"), 31);
  EXPECT_EQ(ParseIntegerText("0X1f"), 31);
  EXPECT_EQ(ParseIntegerText("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseIntegerText("-$1"), -1);
  EXPECT_EQ(ParseIntegerText("$000000001"), 1);  // leading zeros are not significant
  EXPECT_FALSE(ParseIntegerText("$100000000").has_value());
  EXPECT_FALSE(ParseIntegerText("$1G").has_value());
}

TEST(UserNumber, OnlyTheGivenSeparator) {
  EXPECT_EQ(ParseUserNumber("12,5", ','), 12.5);
  EXPECT_FALSE(ParseUserNumber("12.5", ',').has_value());
  EXPECT_EQ(ParseUserNumber("12.5", '.'), 12.5);
  EXPECT_FALSE(ParseUserNumber("12,5", '.').has_value());
  EXPECT_FALSE(ParseUserNumber("1.234,5", ',').has_value());
  EXPECT_FALSE(ParseUserNumber("1,2,3", ',').has_value());
}

TEST(UserNumber, BlanksSignsAndExponents) {
  EXPECT_EQ(ParseUserNumber(" 3 ", '.'), 3.0);
  EXPECT_EQ(ParseUserNumber("-0,5", ','), -0.5);
  EXPECT_EQ(ParseUserNumber("+2", ','), 2.0);
  EXPECT_EQ(ParseUserNumber("1E3", ','), 1000.0);
  EXPECT_EQ(ParseUserNumber("2,5e-1", ','), 0.25);
  EXPECT_EQ(ParseUserNumber(",5", ','), 0.5);
  EXPECT_EQ(ParseUserNumber("5,", ','), 5.0);
  for (const char* text : {"", "  ", "-", ",", "1E", "1e+", "1 2", "\t3", "abc", "1e999", "0x10"}) {
    EXPECT_FALSE(ParseUserNumber(text, ',').has_value()) << "'" << text << "'";
  }
}

TEST(LocaleNumberText, PositionalRangeAndSeparator) {
  EXPECT_EQ(LocaleNumberText(3.5, ','), "3,5");
  EXPECT_EQ(LocaleNumberText(3.5, '.'), "3.5");
  EXPECT_EQ(LocaleNumberText(4, ','), "4");
  EXPECT_EQ(LocaleNumberText(0, ','), "0");
  EXPECT_EQ(LocaleNumberText(-0.0, ','), "0");
  EXPECT_EQ(LocaleNumberText(-12.25, ','), "-12,25");
  EXPECT_EQ(LocaleNumberText(0.0001, ','), "0,0001");
  EXPECT_EQ(LocaleNumberText(100, ','), "100");
  EXPECT_EQ(LocaleNumberText(1234567.5, ','), "1234567,5");  // never grouped
  EXPECT_EQ(LocaleNumberText(999999999999999.0, '.'), "999999999999999");
}

TEST(LocaleNumberText, FifteenSignificantDigits) {
  EXPECT_EQ(LocaleNumberText(0.1 + 0.2, '.'), "0.3");
  EXPECT_EQ(LocaleNumberText(1.0 / 3.0, ','), "0,333333333333333");
  EXPECT_EQ(LocaleNumberText(2.0 / 3.0 * 100, '.'), "66.6666666666667");
  EXPECT_EQ(LocaleNumberText(37.5, ','), "37,5");
}

TEST(LocaleNumberText, ExponentFormOutsideThePositionalRange) {
  EXPECT_EQ(LocaleNumberText(0.00005, ','), "5E-5");
  EXPECT_EQ(LocaleNumberText(2.5e15, ','), "2,5E15");
  EXPECT_EQ(LocaleNumberText(2.5e15, '.'), "2.5E15");
  EXPECT_EQ(LocaleNumberText(1e15, '.'), "1E15");
  EXPECT_EQ(LocaleNumberText(-1.25e-7, ','), "-1,25E-7");
  // Rounding to 15 digits can carry into the next power of ten.
  EXPECT_EQ(LocaleNumberText(999999999999999.9, '.'), "1E15");
}

TEST(LocaleNumberText, IgnoresTheProcessLocale) {
  const std::string previousC = std::setlocale(LC_ALL, nullptr);
  const std::locale previousCpp;
  try {
    std::locale::global(std::locale("de_DE.UTF-8"));
  } catch (const std::exception&) {
    GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  }
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  EXPECT_EQ(LocaleNumberText(1234.5, '.'), "1234.5");
  EXPECT_EQ(PointNumberText(12.5, ','), "12.5");
  EXPECT_EQ(ParseUserNumber("12.5", '.'), 12.5);
  std::locale::global(previousCpp);
  std::setlocale(LC_ALL, previousC.c_str());
}

TEST(PointNumberText, AlwaysAPoint) {
  EXPECT_EQ(PointNumberText(12.5, ','), "12.5");
  EXPECT_EQ(PointNumberText(33.3333, ','), "33.3333");
  EXPECT_EQ(PointNumberText(2.5e15, ','), "2.5E15");
}

TEST(RoundTo4Decimals, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundTo4Decimals(1.03125), 1.0312);
  EXPECT_EQ(RoundTo4Decimals(1.09375), 1.0938);
  EXPECT_EQ(RoundTo4Decimals(-1.03125), -1.0312);
  EXPECT_EQ(RoundTo4Decimals(1.23456), 1.2346);
  EXPECT_EQ(RoundTo4Decimals(100.0 / 3.0), 33.3333);
}

}  // namespace
