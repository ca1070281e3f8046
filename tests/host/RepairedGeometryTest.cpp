// An invalid polygon (e.g. a bow tie) is repaired when the project is loaded, and said so, so that
// it keeps its area and its share in every intersection.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ClassCodes.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"
#include "TolvarApi.h"

namespace {

TEST(RepairedGeometry, ASelfIntersectingPolygonKeepsItsAreaAndItsIntersections) {
  testsupport::TempDir temp;
  host::ProjectBuilder project;
  // Two triangles of 2,500 m2 each, meeting in (50 50).
  project.addObject(1, "BT-Schleife", host::kClassBT, "POLYGON((0 0, 100 100, 100 0, 0 100, 0 0))")
      .addRectangle(2, "MAS-1", host::kClassMAS, 0, 0, 100, 100)
      .addObject(3, "MAS-flach", host::kClassMAS, "POLYGON((0 50, 100 50, 0 50))")
      // Two parts of 3 ha each that share 2 ha: 4 ha of ground.
      .addObject(
          4, "BT-doppelt", host::kClassBT,
          "MULTIPOLYGON(((0 0, 300 0, 300 100, 0 100, 0 0)), ((100 0, 400 0, 400 100, 100 100, 100 0)))");
  project.write(temp / "projekt");

  ::testing::internal::CaptureStderr();
  host::Host host(temp / "projekt");
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_THAT(said, ::testing::HasSubstr("Objekt 1 'BT-Schleife': ungültige Geometrie (Self-intersection"));
  EXPECT_THAT(said, ::testing::HasSubstr("repariert"));

  EXPECT_DOUBLE_EQ(tlGetObjectArea(1), 0.5);
  std::int32_t ids[] = {2, 1};
  const auto proc = reinterpret_cast<TLWindowProc>(tlGetTolvarWindowHandle());
  TTempObjectRequest request{3, 0, 1, 0, "Anteil", host::kClassGB, 0, 2, ids};
  const auto share =
      static_cast<std::int32_t>(proc(TL_MSG_TEMP_OBJECT, 0, reinterpret_cast<intptr_t>(&request)));
  ASSERT_GT(share, 0);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(share), 0.5);

  // A polygon without area has no valid polygon to become; it stays as it is, a line to its neighbours.
  EXPECT_THAT(said, ::testing::HasSubstr("Objekt 3 'MAS-flach': ungültige Geometrie"));
  EXPECT_EQ(host.object("MAS-flach").geoType, 3);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(3), 0);

  EXPECT_THAT(said, ::testing::HasSubstr("Objekt 4 'BT-doppelt': ungültige Geometrie"));
  EXPECT_DOUBLE_EQ(tlGetObjectArea(4), 4);
  std::int32_t overlapping[] = {2, 4};
  TTempObjectRequest onMeasure{3, 0, 1, 0, "Anteil-doppelt", host::kClassGB, 0, 2, overlapping};
  const auto piece =
      static_cast<std::int32_t>(proc(TL_MSG_TEMP_OBJECT, 0, reinterpret_cast<intptr_t>(&onMeasure)));
  ASSERT_GT(piece, 0);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(piece), 1);
}

}  // namespace
