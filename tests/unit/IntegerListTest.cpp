#include "common/IntegerList.h"

#include <gtest/gtest.h>

#include "common/LibraryError.h"

using aggregate::IntegerList;
using aggregate::LibraryError;

namespace {

std::string failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const LibraryError& e) {
    return e.what();
  }
  return "no failure";
}

TEST(IntegerList, GrowsByFourThenSixteenThenAQuarter) {
  IntegerList list;
  std::vector<int32_t> capacities;
  for (int i = 0; i < 200; ++i) {
    list.add(i);
    if (capacities.empty() || capacities.back() != list.capacity()) capacities.push_back(list.capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int32_t>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147, 183, 228}));
  EXPECT_EQ(list.size(), 200);
  EXPECT_EQ(list[199], 199);
}

TEST(IntegerList, FourteenAddsLeaveCapacity28) {
  IntegerList list;
  for (int i = 0; i < 14; ++i) list.add(i);
  EXPECT_EQ(list.size(), 14);
  EXPECT_EQ(list.capacity(), 28);
}

TEST(IntegerList, IndexOutsideTheEntriesInUseFails) {
  IntegerList list;
  EXPECT_EQ(failureOf([&] { list.item(0); }), "Index out of range");
  list.add(7);
  list.setCapacity(10);
  EXPECT_EQ(failureOf([&] { list.item(-1); }), "Index out of range");
  EXPECT_EQ(failureOf([&] { list.item(1); }), "Index out of range");
  EXPECT_EQ(list.item(0), 7);
}

TEST(IntegerList, AddUniqueAndFind) {
  IntegerList list;
  EXPECT_FALSE(list.find(0));
  list.addUnique(5);
  list.addUnique(5);
  EXPECT_EQ(list.size(), 1);
  // Spare positions hold 0 but are not in use, so 0 is still new.
  list.addUnique(0);
  EXPECT_EQ(list.size(), 2);
  EXPECT_TRUE(list.find(0));
}

TEST(IntegerList, ShrinkingSizeZeroesTheDroppedEntries) {
  IntegerList list;
  for (int i = 1; i <= 5; ++i) list.add(i);
  list.setSize(2);
  list.setSize(5);
  EXPECT_EQ(list[0], 1);
  EXPECT_EQ(list[1], 2);
  EXPECT_EQ(list[2], 0);
  EXPECT_EQ(list[3], 0);
  EXPECT_EQ(list[4], 0);
}

TEST(IntegerList, GrowingSizePastCapacityExposesZeroes) {
  IntegerList list;
  list.add(9);
  list.setSize(30);
  EXPECT_EQ(list.capacity(), 30);
  EXPECT_EQ(list[29], 0);
}

TEST(IntegerList, RefusedChangesLeaveTheListUnchanged) {
  IntegerList list;
  for (int i = 1; i <= 5; ++i) list.add(i);
  EXPECT_EQ(failureOf([&] { list.setCapacity(3); }), "Capacity not possible: 3");
  EXPECT_EQ(failureOf([&] { list.setSize(-1); }), "Size not possible: -1");
  EXPECT_EQ(failureOf([&] { list.setSize(IntegerList::kMaxCapacity + 1); }), "Size not possible: 134217728");
  EXPECT_EQ(failureOf([&] { list.setCapacity(IntegerList::kMaxCapacity + 1); }),
            "Capacity not possible: 134217728");
  EXPECT_EQ(list.size(), 5);
  EXPECT_EQ(list.capacity(), 8);
  EXPECT_EQ(list[4], 5);
}

TEST(IntegerList, ClearKeepsRoomForFour) {
  IntegerList list;
  for (int i = 0; i < 1000; ++i) list.add(i);
  list.clear();
  EXPECT_EQ(list.size(), 0);
  EXPECT_EQ(list.capacity(), 4);
  EXPECT_FALSE(list.find(0));
}

}  // namespace
