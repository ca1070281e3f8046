// Neighbour queries and temporary intersection objects (window message 1202).
#include <cmath>
#include <cstdint>

#include "HostTestProject.h"

namespace hosttest {
namespace {

using Spatial = HostTest;

std::vector<int32_t> query(int32_t id, double distance, const std::vector<int32_t>& classes,
                           int32_t capacity = 64, int32_t* result = nullptr) {
  std::vector<int32_t> ids(static_cast<std::size_t>(capacity), -7);
  TIdBuffer buffer{capacity, ids.data()};
  TClassFilter filter{static_cast<int32_t>(classes.size()), classes.data()};
  const int32_t count = tlQueryGeoObjects(id, distance, 0, classes.empty() ? nullptr : &filter, &buffer);
  if (result != nullptr) *result = count;
  if (count < 0) return {count};
  EXPECT_TRUE(count == capacity || ids[static_cast<std::size_t>(count)] == -7) << "wrote past the count";
  ids.resize(static_cast<std::size_t>(count));
  return ids;
}

TEST_F(Spatial, FindsIntersectingObjectsInIdOrderWithoutTheSource) {
  EXPECT_EQ(query(1, 0, {}), (std::vector<int32_t>{2, 3, 4, 5, 7}));  // BT-2 touches BT-1
  EXPECT_EQ(query(1, -0.1, {}), (std::vector<int32_t>{3, 4, 5, 7}));
  EXPECT_EQ(query(1, -0.1, {host::kClassBT}), (std::vector<int32_t>{}));
  EXPECT_EQ(query(4, -0.1, {host::kClassBT}), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(query(4, 0, {host::kClassFT, host::kClassFP}), (std::vector<int32_t>{5}));
  EXPECT_EQ(query(2, 60, {host::kClassBT}), (std::vector<int32_t>{1}));  // a positive distance widens
  EXPECT_EQ(query(5, 0, {host::kClassBT, host::kClassMAS}), (std::vector<int32_t>{1, 4}));
}

TEST_F(Spatial, WritesNoMoreIdsThanTheCapacity) {
  int32_t count = 0;
  EXPECT_EQ(query(4, 0, {}, 2, &count), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(query(4, 0, {}, 0, &count), (std::vector<int32_t>{}));
}

TEST_F(Spatial, FailsWithoutASourceGeometryOrForAnotherMode) {
  EXPECT_LT(query(999, 0, {})[0], 0);
  EXPECT_LT(query(6, 0, {})[0], 0);
  std::vector<int32_t> ids(8);
  TIdBuffer buffer{8, ids.data()};
  EXPECT_LT(tlQueryGeoObjects(1, 0, 1, nullptr, &buffer), 0);
  EXPECT_LT(tlQueryGeoObjects(1, 0, 0, nullptr, nullptr), 0);
}

intptr_t sendTempObjectRequest(const char* kennung, std::vector<int32_t> ids,
                               int32_t classCode = host::kClassGB) {
  const auto proc = reinterpret_cast<TLWindowProc>(tlGetTolvarWindowHandle());
  TTempObjectRequest request{3, 0, 1, 0, kennung, classCode, 0, static_cast<int32_t>(ids.size()), ids.data()};
  return proc(TL_MSG_TEMP_OBJECT, 0, reinterpret_cast<intptr_t>(&request));
}

TEST_F(Spatial, TempObjectIsTheIntersectionOfTheListedObjects) {
  const intptr_t id = sendTempObjectRequest("TempObj0", {1, 3});
  ASSERT_GT(id, 0);
  EXPECT_EQ(tlGetIDFromKennung("TempObj0"), id);
  EXPECT_EQ(tlGetClassOf(static_cast<int32_t>(id)), host::kClassGB);
  EXPECT_DOUBLE_EQ(tlGetObjectArea(static_cast<int32_t>(id)), 0.5);
  EXPECT_TRUE(host.object("TempObj0").temporary);
  EXPECT_EQ(sendTempObjectRequest("TempObj0", {1, 3}), 0);  // the Kennung is taken
  EXPECT_NE(tlDeleteObject(static_cast<int32_t>(id)), 0);
  EXPECT_EQ(tlKennungExists("TempObj0"), 0);
  EXPECT_EQ(host.callCount("TL_MSG_TEMP_OBJECT"), 2);
}

// With the largest id taken, a temporary object gets the first free one, not one past it.
TEST(SpatialIds, TheLargestIdTakenLeavesTheFirstFreeOne) {
  testsupport::TempDir temp;
  host::ProjectBuilder project;
  project.addRectangle(1, "MAS-1", host::kClassMAS, 0, 0, 100, 100)
      .addRectangle(INT32_MAX, "BT-max", host::kClassBT, 0, 0, 50, 100);
  project.write(temp / "projekt");
  host::Host opened(temp / "projekt");
  EXPECT_EQ(sendTempObjectRequest("TempObj0", {1, INT32_MAX}), 2);
}

TEST_F(Spatial, NoTempObjectForAnEmptyIntersectionOrABadRequest) {
  EXPECT_EQ(sendTempObjectRequest("TempObj0", {1, 8}), 0);
  EXPECT_EQ(sendTempObjectRequest("TempObj0", {1, 6}), 0);  // no geometry
  EXPECT_EQ(sendTempObjectRequest("TempObj0", {1, 999}), 0);
  EXPECT_EQ(sendTempObjectRequest("TempObj0", {}), 0);
  EXPECT_EQ(sendTempObjectRequest("TempObj0", std::vector<int32_t>(1002, 1)), 0);
  EXPECT_EQ(sendTempObjectRequest("", {1, 3}), 0);
  EXPECT_EQ(tlKennungExists("TempObj0"), 0);
  const auto proc = reinterpret_cast<TLWindowProc>(tlGetTolvarWindowHandle());
  EXPECT_EQ(proc(TL_MSG_TEMP_OBJECT, 0, 0), 0);
  EXPECT_EQ(proc(1, 0, 0), 0);
}

TEST_F(Spatial, TempObjectsAreNeverSaved) {
  ASSERT_GT(sendTempObjectRequest("TempObj0", {1, 4}), 0);
  host.editField("BT-2", "BtypHtyp", keys.nss, "Bemerkung", "gespeichert");
  host::Host reopened(dir);
  EXPECT_FALSE(reopened.exists("TempObj0"));
  EXPECT_EQ(reopened.rows("BT-2", "BtypHtyp")[0].value("Bemerkung"), "gespeichert");
}

}  // namespace
}  // namespace hosttest
