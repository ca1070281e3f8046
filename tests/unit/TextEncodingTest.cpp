#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

using namespace aggregate::platform;

namespace {

TEST(TextEncoding, GermanTextRoundTrips) {
  const std::string utf8 = "Flächenanteil Größe ÄÖÜß – €";
  const std::string ansi = utf8ToWindows1252(utf8);
  EXPECT_EQ(ansi,
            "Fl\xE4"
            "chenanteil Gr\xF6\xDF"
            "e \xC4\xD6\xDC\xDF \x96 \x80");
  EXPECT_EQ(windows1252ToUtf8(ansi), utf8);
}

TEST(TextEncoding, WhatWindows1252CannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(utf8ToWindows1252("a\u0416b"), "a?b");  // Cyrillic
  EXPECT_EQ(utf8ToWindows1252("\xC3"), "?");        // cut-off sequence
  EXPECT_EQ(utf8ToWindows1252("\xFF"), "?");
}

TEST(TextEncoding, EveryByteTheHostSendsSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  EXPECT_EQ(utf8ToHostText(hostTextToUtf8(all)), all);
  EXPECT_EQ(hostTextToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

}  // namespace
