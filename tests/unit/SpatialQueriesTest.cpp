// Spatial queries and the intersection area through the host: buffers, records, message 1202.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/LibraryError.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "hostdata/SpatialQueries.h"

using namespace aggregate;

namespace {

struct SeenQuery {
  int32_t id = 0;
  double distance = 0;
  int32_t mode = 0;
  bool filtered = false;
  std::vector<int32_t> classes;
  int32_t capacity = 0;
};

class SpatialQuery : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }

  // The host writes these ids (as many as fit) and answers with count.
  void hostFinds(std::vector<int32_t> ids, int32_t count) {
    fakehost::hooks().queryGeoObjects = [this, ids, count](int32_t id, double distance, int32_t mode,
                                                           const TClassFilter* filter, TIdBuffer* buffer) {
      seen = {id, distance, mode, filter != nullptr, {}, buffer->Capacity};
      if (filter != nullptr) seen.classes.assign(filter->Classes, filter->Classes + filter->Count);
      for (std::size_t i = 0; i < ids.size() && i < static_cast<std::size_t>(buffer->Capacity); ++i)
        buffer->Ids[i] = ids[i];
      return count;
    };
  }

  SeenQuery seen;
};

std::vector<int32_t> itemsOf(const IntegerList& list) {
  std::vector<int32_t> items;
  for (int32_t i = 0; i < list.size(); ++i) items.push_back(list[i]);
  return items;
}

TEST_F(SpatialQuery, FoundIdsAreAppendedInTheHostsOrderDuplicatesKept) {
  hostFinds({7, 3, 7}, 3);
  IntegerList list;
  list.add(1);
  EXPECT_EQ(QueryRelatedObjects(40, list, 7660130, 0, -0.1), 3);
  EXPECT_EQ(itemsOf(list), (std::vector<int32_t>{1, 7, 3, 7}));
  EXPECT_EQ(seen.id, 40);
  EXPECT_EQ(seen.distance, -0.1);
  EXPECT_EQ(seen.classes, std::vector<int32_t>{7660130});
  EXPECT_EQ(seen.capacity, 1024);
}

TEST_F(SpatialQuery, NothingFoundOrAFailingHostAppendsNothing) {
  IntegerList list;
  hostFinds({}, 0);
  EXPECT_EQ(QueryRelatedObjects(40, list, 7660130, 0, 0), 0);
  hostFinds({5}, -1);
  EXPECT_EQ(QueryRelatedObjects(40, list, 7660130, 0, 0), 0);
  EXPECT_EQ(list.size(), 0);
}

TEST_F(SpatialQuery, AnEmptyClassListPassesNoFilterAndDistanceZero) {
  hostFinds({9}, 1);
  IntegerList list;
  EXPECT_EQ(QueryRelatedObjectsOfList(40, list, IntegerList(), 0), 1);
  EXPECT_FALSE(seen.filtered);
  EXPECT_EQ(seen.distance, 0);
  IntegerList classes;
  classes.add(7660200);
  classes.add(7660250);
  QueryRelatedObjectsOfList(40, list, classes, 0);
  EXPECT_EQ(seen.classes, (std::vector<int32_t>{7660200, 7660250}));
}

TEST_F(SpatialQuery, ACountAboveTheCapacityNeverReadsPastTheBuffer) {
  hostFinds(std::vector<int32_t>(1024, 5), 5000);
  EXPECT_EQ(QueryGeoObjects(40, 0, {}, 0).size(), 5000U);
  EXPECT_GE(seen.capacity, 5000) << "asked again with a buffer that holds them";
}

// A host that fills the buffer it is given: how many it found, it cannot say.
void hostFindsAsManyAsFit(int32_t found, std::vector<int32_t>& capacities) {
  fakehost::hooks().queryGeoObjects = [found, &capacities](int32_t, double, int32_t, const TClassFilter*,
                                                           TIdBuffer* buffer) {
    capacities.push_back(buffer->Capacity);
    const int32_t written = std::min(found, buffer->Capacity);
    for (int32_t i = 0; i < written; ++i) buffer->Ids[i] = i + 1;
    return written;
  };
}

TEST_F(SpatialQuery, MoreThan1024ObjectsAreAllTakenWithoutAWord) {
  testdoubles::RecordingUserInterface ui;
  std::vector<int32_t> capacities;
  hostFindsAsManyAsFit(1100, capacities);
  const auto found = QueryGeoObjects(40, 0, {}, 0);
  ASSERT_EQ(found.size(), 1100U);
  EXPECT_EQ(found.back(), 1100);
  EXPECT_EQ(capacities.front(), 1024);
  EXPECT_EQ(capacities.size(), 2U);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SpatialQuery, AFullLargestBufferIsToldNamingTheObject) {
  testdoubles::RecordingUserInterface ui;
  fakehost::hooks().getObjectData = [](TObjectInfo* info) {
    return fakehost::deliver("MAS-01", info->Kennung, 128);
  };
  std::vector<int32_t> capacities;
  hostFindsAsManyAsFit(kMaxQueryCapacity + 1, capacities);
  EXPECT_EQ(QueryGeoObjects(40, 0, {}, 0).size(), static_cast<std::size_t>(kMaxQueryCapacity));
  EXPECT_EQ(capacities.back(), kMaxQueryCapacity);
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
  EXPECT_NE(ui.messages[0].text.find("MAS-01"), std::string::npos);
}

class IntersectionArea : public ::testing::Test {
 protected:
  static intptr_t windowProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const auto* request = reinterpret_cast<const TTempObjectRequest*>(lParam);
    EXPECT_EQ(message, 1202U);
    ++current->requests;
    current->wParam = wParam;
    current->ids.assign(request->Ids, request->Ids + request->IdCount);
    return current->messageResult;
  }

  void SetUp() override {
    fakehost::reset();
    current = this;
    fakehost::hooks().getTolvarWindowHandle = [] { return reinterpret_cast<intptr_t>(&windowProc); };
    fakehost::hooks().getIDFromKennung = [](const char*) { return 77; };
    fakehost::hooks().deleteObject = [this](int32_t id) -> int16_t {
      deleted.push_back(id);
      return 1;
    };
  }
  void TearDown() override { fakehost::reset(); }

  static inline IntersectionArea* current = nullptr;
  intptr_t messageResult = 1;
  int requests = 0;
  uintptr_t wParam = 0;
  std::vector<int32_t> ids;
  std::vector<int32_t> deleted;
};

TEST_F(IntersectionArea, TheFirstFreeTemporaryKennungIsUsed) {
  fakehost::hooks().kennungExists = [](const char* kennung) -> int16_t {
    return std::string(kennung) == "TempObj0" || std::string(kennung) == "TempObj1";
  };
  EXPECT_EQ(MakeTempObjectKennung(), "TempObj2");
  EXPECT_EQ(MakeTempObjectKennung(), "TempObj2");
}

TEST_F(IntersectionArea, RoundedToFourDecimalsHalvesToEven) {
  double area = 1.23456;
  fakehost::hooks().getObjectArea = [&area](int32_t) { return area; };
  EXPECT_DOUBLE_EQ(GetIntersectionArea(10, 20, 7680105), 1.2346);
  area = 0.00005;  // exactly half of the last place after scaling: to the even neighbour 0
  EXPECT_EQ(GetIntersectionArea(10, 20, 7680105), 0);
  // An area that is no finite number cannot be told, like one the host could not make.
  for (const double unusable : {HUGE_VAL, std::nan("")}) {
    area = unusable;
    EXPECT_EQ(GetIntersectionArea(10, 20, 7680105), -1);
  }
}

TEST_F(IntersectionArea, NoTemporaryObjectGivesMinusOneAndStillDeletes) {
  messageResult = 0;
  EXPECT_EQ(GetIntersectionArea(10, 20, 7680105), -1);
  EXPECT_EQ(deleted, std::vector<int32_t>{-1});
  messageResult = 1;
  fakehost::hooks().getIDFromKennung = [](const char*) { return 0; };
  EXPECT_EQ(GetIntersectionArea(10, 20, 7680105), -1);
  EXPECT_EQ(deleted, (std::vector<int32_t>{-1, 0}));
}

TEST_F(IntersectionArea, TheTemporaryObjectIsDeletedWhenReadingItsAreaFails) {
  fakehost::hooks().getObjectArea = [](int32_t) -> double { throw LibraryError("kein Flächenwert"); };
  EXPECT_THROW(GetIntersectionArea(10, 20, 7680105), LibraryError);
  EXPECT_EQ(deleted, std::vector<int32_t>{77});
}

TEST_F(IntersectionArea, TheIdArrayIsBounded) {
  IntegerList many;
  for (int32_t i = 0; i < kMaxTempObjectIds; ++i) many.add(i);
  EXPECT_EQ(CreateIntersectionObject(5, many, 7680105, "T"), 1);
  EXPECT_EQ(ids.size(), 1001U);
  EXPECT_EQ(wParam, 5U);
  many.add(1001);
  EXPECT_THROW(CreateIntersectionObject(5, many, 7680105, "T"), LibraryError);
  EXPECT_EQ(requests, 1);
}

}  // namespace
