// Display names of the classes the transfer names in its messages.
#include "hostdata/ObjectClasses.h"

#include <gtest/gtest.h>

#include "platform/TextEncoding.h"

using namespace aggregate;

namespace {

TEST(ObjectClasses, DisplayNames) {
  EXPECT_EQ(GetClassDisplayName(kClassBK), "BK (schutzwürdig Biotope)");
  EXPECT_EQ(GetClassDisplayName(kClassBT), "BT (Biotoptypen)");
  EXPECT_EQ(GetClassDisplayName(kClassGB), "GB (Gesetzlich geschuetzte Biotope)");
  EXPECT_EQ(GetClassDisplayName(kClassFSN), "FSN (Flurstücke des Naturschutzes)");
  EXPECT_EQ(GetClassDisplayName(kClassMAS), "unbekannt");
  EXPECT_EQ(GetClassDisplayName(kClassFT), "unbekannt");
  EXPECT_EQ(GetClassDisplayName(0), "unbekannt");
}

}  // namespace
