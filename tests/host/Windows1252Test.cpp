// The host's own Windows-1252 conversion: every byte survives the way to UTF-8 and back, and
// what Windows-1252 cannot hold becomes '?'.
#include "Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  EXPECT_EQ(host::utf8ToAnsi(host::ansiToUtf8(all)), all);
}

TEST(Windows1252, HighBytesAreTheirWindowsCharacters) {
  EXPECT_EQ(host::ansiToUtf8("\x80\xFC\xDF"), "€üß");
  EXPECT_EQ(host::utf8ToAnsi("Flächen „€“"),
            "Fl\xE4"
            "chen \x84\x80\x93");
  EXPECT_EQ(host::ansiToUtf8("\x81\x9D"), "\u0081\u009D");  // unassigned: the C1 control, as on Windows
}

TEST(Windows1252, WhatItCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(host::utf8ToAnsi("Łódź"),
            "?\xF3"
            "d?");
  EXPECT_EQ(host::utf8ToAnsi("a\u0080b"), "a?b");
  EXPECT_EQ(host::utf8ToAnsi("a\xC3"), "a?");              // cut sequence at the end
  EXPECT_EQ(host::utf8ToAnsi("a\xE2\x82z"), "a?z");        // cut sequence inside
  EXPECT_EQ(host::utf8ToAnsi("\xF0\x9F\x98\x80!"), "?!");  // outside the basic plane
}

}  // namespace
