#include "platform/linux/TerminalProgressLine.h"

#include <gtest/gtest.h>

using namespace aggregate::platform;
using namespace std::chrono_literals;

namespace {

const TerminalProgressLine::Clock::time_point kStart{};

TEST(TerminalProgressLine, CountIsReadFromTheLabelOnlyWhenItIsConsistent) {
  const auto count = labelCountOf("MAS-17 (17 von 1000)");
  ASSERT_TRUE(count.has_value());
  EXPECT_EQ(count->current, 17);
  EXPECT_EQ(count->total, 1000);
  EXPECT_TRUE(labelCountOf("A (1) (2 von 3)").has_value());  // the first bracket is no count
  EXPECT_FALSE(labelCountOf("Lese Daten von BT-001").has_value());
  EXPECT_FALSE(labelCountOf("X (0 von 3)").has_value());
  EXPECT_FALSE(labelCountOf("X (4 von 3)").has_value());
  EXPECT_FALSE(labelCountOf("X (2 von 3").has_value());
  EXPECT_FALSE(labelCountOf("X (2 von )").has_value());
}

TEST(TerminalProgressLine, CountedLabelShowsBarElapsedAndRemainingTime) {
  TerminalProgressLine line("Aggregation", true, kStart);
  line.setLabel("MAS-251 (251 von 1000)");
  // 250 done in 50 s: 750 to go take 150 s.
  EXPECT_EQ(line.line(kStart + 50s, 0),
            "Aggregation | MAS-251 (251 von 1000) [#####---------------] 25 % | 0:50, noch ca. 2:30 | "
            "Strg+C bricht ab");
}

TEST(TerminalProgressLine, FirstItemHasNoEstimateAndUncountedLabelsNoBar) {
  TerminalProgressLine counted("A", false, kStart);
  counted.setLabel("M (1 von 4)");
  EXPECT_EQ(counted.line(kStart + 3s, 0), "A | M (1 von 4) [--------------------] 0 % | 0:03");
  TerminalProgressLine uncounted("Datenübertragung BT -> GB", false, kStart);
  uncounted.setLabel("Lese Daten von BT-001");
  EXPECT_EQ(uncounted.line(kStart + 3725s, 0), "Datenübertragung BT -> GB | Lese Daten von BT-001 | 1:02:05");
}

TEST(TerminalProgressLine, OnANarrowTerminalTheCaptionGivesWayFirst) {
  TerminalProgressLine line("Aggregation von Maßnahme-Objekten", true, kStart);
  line.setLabel("MAS-111 (112 von 1000)");
  const std::string tail = " 11 % | 1:00, noch ca. 8:00 | Strg+C bricht ab";
  EXPECT_EQ(line.line(kStart + 60s, 110),
            "Aggregation von… | MAS-111 (112 von 1000) [##------------------]" + tail);
  // 80 columns: no room for a caption worth reading, nor for the bar.
  EXPECT_EQ(line.line(kStart + 60s, 79), "MAS-111 (112 von 1000)" + tail);
  EXPECT_EQ(line.line(kStart + 60s, 60), "…112 von 1000)" + tail);
  TerminalProgressLine umlauts("Größenänderung der Flächen", false, kStart);  // characters, not bytes
  umlauts.setLabel("Äpfel");
  EXPECT_EQ(umlauts.line(kStart, 30), "Größenänderung… | Äpfel | 0:00");
}

TEST(TerminalProgressLine, TheEstimateWaitsUntilEnoughIsDone) {
  TerminalProgressLine line("A", false, kStart);
  line.setLabel("M (40 von 1000)");
  EXPECT_EQ(line.line(kStart + 10s, 0), "A | M (40 von 1000) [--------------------] 3 % | 0:10");
  line.setLabel("M (300 von 1000)");
  EXPECT_EQ(line.line(kStart + 2s, 0), "A | M (300 von 1000) [#####---------------] 29 % | 0:02");
}

TEST(TerminalProgressLine, SummarySaysHowTheWindowEnded) {
  TerminalProgressLine done("A", true, kStart);
  done.setLabel("M-3 (3 von 3)");
  EXPECT_EQ(done.summary(kStart + 62s), "A: 3 von 3 in 1:02");

  TerminalProgressLine stopped("A", true, kStart);
  stopped.setLabel("M-2 (2 von 3)");
  EXPECT_EQ(stopped.summary(kStart + 1s), "A: 2 von 3 in 0:01");
  stopped.markCancelled();
  EXPECT_EQ(stopped.summary(kStart + 1s), "A: abgebrochen nach M-2 (2 von 3), 0:01");

  TerminalProgressLine uncounted("B", false, kStart);
  uncounted.setLabel("Schreibe Daten");
  EXPECT_EQ(uncounted.summary(kStart), "B: beendet nach 0:00");
}

}  // namespace
