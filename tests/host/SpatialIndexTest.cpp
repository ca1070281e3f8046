// Neighbour queries answer through a spatial index exactly as a walk over every object would: ids
// ascending, edge and corner contacts, objects without area, the caller's buffer limit, and objects
// added or deleted after the project was loaded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ClassCodes.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"
#include "TolvarApi.h"

namespace {

// 40 x 40 squares of 10 m; the id of the square in column c, row r is a permutation of 1..1600, so
// that id order and position order differ.
constexpr int kSide = 40;
constexpr int kSquares = kSide * kSide;
constexpr std::int32_t kCover = 5000;  // MAS object over the whole grid

std::int32_t squareId(int column, int row) { return 1 + ((row * kSide + column) * 7919) % kSquares; }

std::vector<std::int32_t> ascending(std::set<std::int32_t> ids) { return {ids.begin(), ids.end()}; }

class SpatialIndex : public ::testing::Test {
 protected:
  SpatialIndex() {
    host::ProjectBuilder project;
    for (int r = 0; r < kSide; ++r) {
      for (int c = 0; c < kSide; ++c) {
        const std::int32_t id = squareId(c, r);
        project.addRectangle(id, "BT-" + std::to_string(id), host::kClassBT, c * 10.0, r * 10.0,
                             c * 10.0 + 10, r * 10.0 + 10);
      }
    }
    project.addRectangle(kCover, "MAS-alles", host::kClassMAS, 0, 0, kSide * 10.0, kSide * 10.0)
        .addObject(5001, "MAS-Linie", host::kClassMAS, "LINESTRING(0 55, 400 55)")
        .addObject(5002, "MAS-Kante", host::kClassMAS, "LINESTRING(0 50, 400 50)")
        .addObject(5003, "MAS-flach", host::kClassMAS, "POLYGON((0 50, 400 50, 0 50))")
        .addObject(5004, "FT-Ecke", host::kClassFT, "POINT(50 50)");
    project.write(temp / "projekt");
    host.open(temp / "projekt");
  }

  testsupport::TempDir temp;
  host::Host host;
};

std::vector<std::int32_t> neighbours(std::int32_t id, double distance, std::int32_t capacity = 4096,
                                     std::vector<std::int32_t> classes = {}) {
  std::vector<std::int32_t> ids(static_cast<std::size_t>(capacity));
  TIdBuffer buffer{capacity, ids.data()};
  TClassFilter filter{static_cast<std::int32_t>(classes.size()), classes.data()};
  const std::int32_t count = tlQueryGeoObjects(id, distance, 0, &filter, &buffer);
  EXPECT_GE(count, 0);
  ids.resize(static_cast<std::size_t>(std::max(count, 0)));
  return ids;
}

std::int32_t tempObject(const char* kennung, std::vector<std::int32_t> ids) {
  const auto proc = reinterpret_cast<TLWindowProc>(tlGetTolvarWindowHandle());
  TTempObjectRequest request{
      3, 0, 1, 0, kennung, host::kClassGB, 0, static_cast<std::int32_t>(ids.size()), ids.data()};
  return static_cast<std::int32_t>(proc(TL_MSG_TEMP_OBJECT, 0, reinterpret_cast<intptr_t>(&request)));
}

std::set<std::int32_t> row(int r) {
  std::set<std::int32_t> ids;
  for (int c = 0; c < kSide; ++c) ids.insert(squareId(c, r));
  return ids;
}

TEST_F(SpatialIndex, IdsAscendWhateverThePlaceAndTheBufferKeepsTheSmallest) {
  std::vector<std::int32_t> all(kSquares);
  for (int i = 0; i < kSquares; ++i) all[static_cast<std::size_t>(i)] = i + 1;
  all.insert(all.end(), {5001, 5002, 5003, 5004});
  EXPECT_EQ(neighbours(kCover, 0), all);
  const std::vector<std::int32_t> first1024(all.begin(), all.begin() + 1024);
  EXPECT_EQ(neighbours(kCover, 0, 1024), first1024);
  EXPECT_EQ(neighbours(kCover, -0.1, 1024, {host::kClassBT}), first1024);
}

TEST_F(SpatialIndex, EdgeAndCornerContactsCountOnlyWithoutShrinking) {
  std::set<std::int32_t> around;
  for (int dc = -1; dc <= 1; ++dc) {
    for (int dr = -1; dr <= 1; ++dr) {
      if (dc != 0 || dr != 0) around.insert(squareId(5 + dc, 5 + dr));
    }
  }
  EXPECT_EQ(neighbours(squareId(5, 5), 0, 4096, {host::kClassBT}), ascending(around));
  EXPECT_EQ(neighbours(squareId(5, 5), -0.1, 4096, {host::kClassBT}), std::vector<std::int32_t>{});
  // A square at the grid's corner touches three others.
  EXPECT_EQ(neighbours(squareId(0, 0), 0, 4096, {host::kClassBT}),
            ascending({squareId(1, 0), squareId(0, 1), squareId(1, 1)}));
}

TEST_F(SpatialIndex, ObjectsWithoutAreaFindWhatTheyTouch) {
  EXPECT_EQ(neighbours(5001, 0, 4096, {host::kClassBT}), ascending(row(5)));
  std::set<std::int32_t> onEdge = row(4);
  onEdge.merge(row(5));
  EXPECT_EQ(neighbours(5002, 0, 4096, {host::kClassBT}), ascending(onEdge));
  EXPECT_EQ(neighbours(5003, 0, 4096, {host::kClassBT}), ascending(onEdge));
  EXPECT_EQ(neighbours(5004, 0, 4096, {host::kClassBT}),
            ascending({squareId(4, 4), squareId(5, 4), squareId(4, 5), squareId(5, 5)}));
  EXPECT_EQ(neighbours(squareId(5, 5), 0, 4096, {host::kClassFT}), std::vector<std::int32_t>{5004});
}

TEST_F(SpatialIndex, FollowsObjectsDeletedAndAddedAfterLoading) {
  const std::int32_t inner = squareId(5, 5);
  ASSERT_NE(tlDeleteObject(squareId(6, 5)), 0);
  EXPECT_THAT(neighbours(inner, 0, 4096, {host::kClassBT}),
              ::testing::Not(::testing::Contains(squareId(6, 5))));

  const std::int32_t temp = tempObject("Temp-1", {kCover, squareId(7, 5)});
  ASSERT_GT(temp, 0);
  EXPECT_THAT(neighbours(inner, 15, 4096, {host::kClassGB}), ::testing::ElementsAre(temp));
  ASSERT_NE(tlDeleteObject(temp), 0);
  EXPECT_EQ(neighbours(inner, 15, 4096, {host::kClassGB}), std::vector<std::int32_t>{});

  // Deleting the highest id frees it for the next temporary object, which lies elsewhere.
  ASSERT_NE(tlDeleteObject(5004), 0);
  const std::int32_t reused = tempObject("Temp-2", {kCover, squareId(30, 30)});
  ASSERT_EQ(reused, 5004);
  EXPECT_EQ(neighbours(squareId(5, 5), 0, 4096, {host::kClassGB}), std::vector<std::int32_t>{});
  EXPECT_EQ(neighbours(squareId(30, 30), -0.1, 4096, {host::kClassGB}), std::vector<std::int32_t>{5004});
}

TEST_F(SpatialIndex, ManyTemporaryObjectsAreFoundAsTheyAreMade) {
  // More than the index takes before it rebuilds itself.
  std::vector<std::int32_t> made;
  for (int r = 0; r < kSide; ++r) {
    for (int c = 0; c < 15; ++c) {
      const std::string kennung = "T-" + std::to_string(r) + "-" + std::to_string(c);
      made.push_back(tempObject(kennung.c_str(), {kCover, squareId(c, r)}));
      ASSERT_GT(made.back(), 0);
      EXPECT_EQ(neighbours(squareId(c, r), -0.1, 4096, {host::kClassGB}),
                std::vector<std::int32_t>{made.back()});
    }
  }
  EXPECT_EQ(neighbours(kCover, 0, 4096, {host::kClassGB}), made);
  for (std::size_t i = 0; i < made.size(); i += 2) ASSERT_NE(tlDeleteObject(made[i]), 0);
  std::vector<std::int32_t> kept;
  for (std::size_t i = 1; i < made.size(); i += 2) kept.push_back(made[i]);
  EXPECT_EQ(neighbours(kCover, 0, 4096, {host::kClassGB}), kept);
}

}  // namespace
