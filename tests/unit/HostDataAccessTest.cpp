// Attribute values, object data and project paths through the host.
#include "hostdata/AttributeValues.h"
#include "hostdata/ObjectData.h"
#include "hostdata/ProjectPaths.h"

#include <gtest/gtest.h>

#include <cstring>

#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "platform/RegionalSettings.h"

using namespace aggregate;

namespace {

class HostDataAccess : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }

  // The host answers every by-name read with this text and remembers the count it was given.
  void hostHolds(const std::string& text, int16_t flag = 1) {
    fakehost::hooks().getValueByName = [this, text, flag](const char*, const char*, char* buffer, int32_t n) {
      countGiven = n;
      if (flag != 0) fakehost::deliver(text, buffer, n);
      return flag;
    };
  }

  int32_t countGiven = 0;
};

TEST_F(HostDataAccess, StringValueIsTrimmedButKeepsInnerBlanks) {
  hostHolds("  Ab xy\t");
  EXPECT_EQ(GetStringValue("BtypHtyp", "Biotoptyp"), "Ab xy");
  EXPECT_EQ(countGiven, 4095);
  hostHolds("ignored", 0);
  EXPECT_EQ(GetStringValue("BtypHtyp", "Biotoptyp"), "");
}

TEST_F(HostDataAccess, IntValueNeedsIntegerText) {
  hostHolds("42");
  EXPECT_EQ(GetIntValue("BtypHtyp", "PKEY"), 42);
  EXPECT_EQ(countGiven, 1023);
  hostHolds(" 42");
  EXPECT_EQ(GetIntValue("BtypHtyp", "PKEY"), 42);
  hostHolds("42 ");
  EXPECT_EQ(GetIntValue("BtypHtyp", "PKEY"), -1);
  hostHolds("4.5");
  EXPECT_EQ(GetIntValue("BtypHtyp", "PKEY"), -1);
  hostHolds("");
  EXPECT_EQ(GetIntValue("BtypHtyp", "PKEY"), -1);
  hostHolds("$1F");
  EXPECT_EQ(GetIntValue("BtypHtyp", "PKEY"), 31);
  hostHolds("42", 0);
  EXPECT_EQ(GetIntValue("BtypHtyp", "PKEY"), -1);
}

TEST_F(HostDataAccess, ValueByKeyIsNotTrimmed) {
  int32_t keyAsked = 0;
  fakehost::hooks().getValueByPKEY = [&](int32_t key, const char*, const char*, char* buffer, int32_t n) {
    keyAsked = key;
    EXPECT_EQ(n, 4096);
    return fakehost::deliver("  WBA ", buffer, n);
  };
  EXPECT_EQ(GetValueByPKey("BtypHtyp", "Biotoptyp", 17), "  WBA ");
  EXPECT_EQ(keyAsked, 17);
}

TEST_F(HostDataAccess, KennungComesThroughObjectData) {
  fakehost::hooks().getObjectData = [](TObjectInfo* info) -> int16_t {
    if (info->ObjectID != 5) return 0;
    std::strcpy(info->Kennung, "GB-001");
    return 1;
  };
  EXPECT_EQ(GetObjectKennung(5), "GB-001");
  EXPECT_EQ(GetObjectKennung(6), "");
}

TEST_F(HostDataAccess, SynchronizeOnlyWhenTheHostKnowsTheObject) {
  fakehost::hooks().getObjectData = [](TObjectInfo* info) -> int16_t { return info->ObjectID == 5 ? 1 : 0; };
  SynchronizeObject(6);
  SynchronizeObject(5);
  EXPECT_EQ(fakehost::calls(),
            (std::vector<std::string>{"tlGetObjectData", "tlGetObjectData", "tlSynchronize"}));
}

TEST_F(HostDataAccess, ProjectDirectoryEndsWithTheDelimiterAndIsEmptyWhenTheHostHasNone) {
  fakehost::hooks().getProjectDir = [](char* buffer, int32_t n) {
    EXPECT_EQ(n, 255);
    return fakehost::deliver("/data/projekt", buffer, n);
  };
  EXPECT_EQ(GetProjectDirectory(), "/data/projekt/");
  fakehost::hooks().getProjectDir = [](char* buffer, int32_t n) {
    return fakehost::deliver("/data/p/", buffer, n);
  };
  EXPECT_EQ(GetProjectDirectory(), "/data/p/");
  // The flag is the host's to choose; the text decides.
  fakehost::hooks().getProjectDir = [](char* buffer, int32_t n) -> int16_t {
    fakehost::deliver("/data/q", buffer, n);
    return 0;
  };
  EXPECT_EQ(GetProjectDirectory(), "/data/q/");
  fakehost::hooks().getProjectDir = [](char*, int32_t) -> int16_t { return 1; };
  EXPECT_EQ(GetProjectDirectory(), "") << "never the root directory";
}

// A path longer than the first buffer, whether the host cuts it or leaves it out, is asked again.
TEST_F(HostDataAccess, ALongPathIsReadAgainWithALargerBuffer) {
  const std::string longPath = "/data/" + std::string(300, 'p');
  for (const bool cuts : {true, false}) {
    std::vector<int32_t> counts;
    fakehost::hooks().getProjectDir = [&](char* buffer, int32_t n) -> int16_t {
      counts.push_back(n);
      if (!cuts && longPath.size() > static_cast<std::size_t>(n)) return fakehost::deliver("", buffer, n);
      return fakehost::deliver(longPath, buffer, n);
    };
    EXPECT_EQ(GetProjectDirectory(), longPath + "/") << cuts;
    EXPECT_EQ(counts, (std::vector<int32_t>{255, 4080})) << cuts;
  }
}

// A remark longer than the first buffer is read whole, with one more call.
TEST_F(HostDataAccess, AValueThatFillsTheBufferIsReadAgainWhole) {
  const std::string remark(5003, 'r');
  std::vector<int32_t> counts;
  fakehost::hooks().getValueByPKEY = [&](int32_t, const char*, const char*, char* buffer, int32_t n) {
    counts.push_back(n);
    return fakehost::deliver(remark, buffer, n);
  };
  EXPECT_EQ(GetValueByPKey("BtypHtyp", "Bemerkung", 3), remark);
  EXPECT_EQ(counts, (std::vector<int32_t>{4096, 65536}));
}

TEST_F(HostDataAccess, ProjectDatabasePathAsTheHostGivesIt) {
  fakehost::hooks().getProjectDB = [](char* buffer, int32_t n) {
    return fakehost::deliver("/data/mein projekt/projekt.mdb ", buffer, n);
  };
  EXPECT_EQ(GetProjectDatabasePath(), "/data/mein projekt/projekt.mdb ");
}

}  // namespace
