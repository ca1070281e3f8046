#include "areas/AreaHandlers.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/BusyFlag.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "exports/ExportBarrier.h"
#include "hostdata/ObjectClasses.h"
#include "platform/RegionalSettings.h"

using namespace aggregate;

namespace {

using Handler = void (*)(const char*, char*, platform::UserInterface&);

struct Write {
  std::string field;
  std::string value;
  bool busyWhileWriting;
};

// One active BtypHtyp row of an object with a polygon of the given area; writes are recorded.
class AttributeChangeHandlers : public ::testing::Test {
 protected:
  void SetUp() override {
    fakehost::reset();
    BusyFlag = false;
    objectIs(kClassGB, 3.2);
    fakehost::hooks().getGeoTypeOf = [](int32_t) { return 3; };
    fakehost::hooks().setValueByName = [this](const char* table, const char* field, const char* value) {
      EXPECT_STREQ(table, "BtypHtyp");
      writes.push_back({field, value, BusyFlag});
      return int16_t{1};
    };
  }
  void TearDown() override {
    fakehost::reset();
    BusyFlag = false;
  }

  void objectIs(int32_t classCode, double area) {
    fakehost::hooks().getActiveGeoObject = [] { return 5; };
    fakehost::hooks().getClassOf = [classCode](int32_t) { return classCode; };
    fakehost::hooks().getObjectArea = [area](int32_t) { return area; };
  }

  // Calls the handler the way its export does; gives what the host would store.
  std::string edit(Handler handler, const std::string& value) {
    std::array<char, 64> destination{};
    destination.fill('#');
    EXPECT_EQ(RunAttributeHandler(reinterpret_cast<intptr_t>(value.c_str()),
                                  reinterpret_cast<intptr_t>(destination.data()), handler),
              -1);
    return destination.data();
  }

  static std::string userNumber(const char* whole, const char* fraction) {
    return std::string(whole) + platform::decimalSeparator() + fraction;
  }

  testdoubles::RecordingUserInterface ui;
  std::vector<Write> writes;
};

// --- area handlers --------------------------------------------------------------------------

TEST_F(AttributeChangeHandlers, AreaEditWritesTheOtherFigureWhileHoldingBusyFlag) {
  EXPECT_EQ(edit(HandleFlaechenanteilChanged, userNumber("12", "5")), userNumber("12", "5"));
  objectIs(kClassBK, 3);
  edit(HandleFlaecheAbsolutChanged, " 1 ");
  ASSERT_EQ(writes.size(), 2U);
  EXPECT_EQ(writes[0].field, "FLAECHE");
  EXPECT_EQ(writes[0].value, "0.4");
  EXPECT_EQ(writes[1].field, "Flaechenanteil");
  EXPECT_EQ(writes[1].value, "33.3333");
  EXPECT_TRUE(writes[0].busyWhileWriting && writes[1].busyWhileWriting);
  EXPECT_FALSE(BusyFlag);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AttributeChangeHandlers, AreaEditWhileBusyOnlyCopiesTheValue) {
  for (const Handler handler : {HandleFlaechenanteilChanged, HandleFlaecheAbsolutChanged}) {
    fakehost::reset();
    BusyFlag = true;
    EXPECT_EQ(edit(handler, "7"), "7");
    EXPECT_TRUE(fakehost::calls().empty());
    EXPECT_TRUE(BusyFlag) << "the flag belongs to whoever set it";
  }
}

TEST_F(AttributeChangeHandlers, BlankAreaEditDoesNothingButZeroIsConverted) {
  EXPECT_EQ(edit(HandleFlaechenanteilChanged, " \t "), " \t ");
  EXPECT_EQ(edit(HandleFlaechenanteilChanged, ""), "");
  EXPECT_TRUE(writes.empty());
  edit(HandleFlaechenanteilChanged, "0");
  ASSERT_EQ(writes.size(), 1U);
  EXPECT_EQ(writes[0].value, "0");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AttributeChangeHandlers, AreaEditWithTheOtherSeparatorIsRefusedWithAWarning) {
  const std::string foreign = platform::decimalSeparator() == ',' ? "12.5" : "12,5";
  EXPECT_EQ(edit(HandleFlaechenanteilChanged, foreign), foreign);
  EXPECT_TRUE(writes.empty());
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
  EXPECT_NE(ui.messages[0].text.find("\"" + foreign + "\""), std::string::npos);
  EXPECT_NE(ui.messages[0].text.find(std::string("\"") + platform::decimalSeparator() + "\""),
            std::string::npos);
  EXPECT_FALSE(BusyFlag);
}

TEST_F(AttributeChangeHandlers, FailingHostWriteStillClearsBusyFlag) {
  fakehost::hooks().setValueByName = [](const char*, const char*, const char*) -> int16_t {
    throw std::runtime_error("host broke");
  };
  EXPECT_EQ(edit(HandleFlaechenanteilChanged, "10"), "10");
  EXPECT_FALSE(BusyFlag);
}

// --- flag handlers --------------------------------------------------------------------------

TEST_F(AttributeChangeHandlers, FlagHandlersIgnoreBusyFlagAndLeaveItCleared) {
  for (const Handler handler : {HandleFFHValueChanged, HandleP62ValueChanged}) {
    for (const bool busyBefore : {false, true}) {
      writes.clear();
      BusyFlag = busyBefore;
      edit(handler, "1");
      ASSERT_EQ(writes.size(), 1U);
      EXPECT_TRUE(writes[0].busyWhileWriting);
      EXPECT_FALSE(BusyFlag);
    }
  }
  fakehost::hooks().setValueByName = [](const char*, const char*, const char*) -> int16_t {
    throw std::runtime_error("host broke");
  };
  BusyFlag = true;
  edit(HandleP62ValueChanged, "1");
  EXPECT_FALSE(BusyFlag);
}

}  // namespace
