#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

using namespace aggregate::platform;

namespace {

TEST(TextEncoding, GermanTextRoundTrips) {
  const std::string utf8 = "Flächenanteil Größe ÄÖÜß – €";
  const std::string ansi = utf8ToAnsi(utf8);
  EXPECT_EQ(ansi,
            "Fl\xE4"
            "chenanteil Gr\xF6\xDF"
            "e \xC4\xD6\xDC\xDF \x96 \x80");
  EXPECT_EQ(ansiToUtf8(ansi), utf8);
}

TEST(TextEncoding, WhatWindows1252CannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(utf8ToAnsi("a\u0416b"), "a?b");  // Cyrillic
  EXPECT_EQ(utf8ToAnsi("\xC3"), "?");        // cut-off sequence
  EXPECT_EQ(utf8ToAnsi("\xFF"), "?");
}

TEST(TextEncoding, UnassignedBytesSurviveTheRoundTrip) {
  const std::string ansi = "\x81\x8D\x8F\x90\x9D";
  EXPECT_EQ(utf8ToAnsi(ansiToUtf8(ansi)), ansi);
}

}  // namespace
