// Two sessions on one project, as two tolvar processes would be: each sees what the other
// committed before it reads or writes, and never writes from a stale copy.
#include <gtest/gtest.h>

#include "ClassCodes.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "Session.h"
#include "TempDir.h"
#include "TolvarApi.h"

namespace {

class SharedProject : public ::testing::Test {
 protected:
  SharedProject() {
    host::ProjectBuilder project;
    project.addRectangle(1, "BT-1", host::kClassBT, 0, 0, 100, 100)
        .addRectangle(2, "BT-2", host::kClassBT, 100, 0, 200, 100);
    wba = project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "WBA"}});
    nss = project.addRow("BtypHtyp", 2, std::nullopt, {{"Biotoptyp", "NSS"}});
    project.write(temp / "projekt");
    first.open(temp / "projekt");
    second.open(temp / "projekt");
  }

  // The tl* functions serve the given session from now on.
  static void serve(host::Host& host) { host::setCurrentSession(&host.session()); }

  // Appends a BtypHtyp row to the object through the tl* functions and returns its key.
  static std::int64_t appendRow(std::int32_t object, const char* type) {
    EXPECT_NE(tlSetActiveObject(object), 0);
    EXPECT_NE(tlAppendRecord("BtypHtyp"), 0);
    EXPECT_NE(tlSetValueByName("BtypHtyp", "Biotoptyp", type), 0);
    EXPECT_NE(tlPostRecord("BtypHtyp"), 0);
    char key[32] = "";
    EXPECT_NE(tlGetValueByName("BtypHtyp", "PKEY", key, 31), 0);
    return std::stoll(key);
  }

  testsupport::TempDir temp;
  std::int64_t wba = 0, nss = 0;
  host::Host first;
  host::Host second;
};

TEST_F(SharedProject, AnEditCommittedByOneSessionIsWhatTheOtherReadsAndKeeps) {
  first.editField("BT-1", "BtypHtyp", wba, "Bemerkung", "von eins");
  second.editField("BT-2", "BtypHtyp", nss, "Bemerkung", "von zwei");
  EXPECT_EQ(second.rows("BT-1", "BtypHtyp").at(0).value("Bemerkung"), "von eins");

  serve(second);
  ASSERT_NE(tlSetActiveObject(1), 0);
  char text[64] = "";
  ASSERT_NE(tlGetValueByName("BtypHtyp", "Bemerkung", text, 63), 0);
  EXPECT_STREQ(text, "von eins");

  host::Host reader(temp / "projekt");
  EXPECT_EQ(reader.rows("BT-1", "BtypHtyp").at(0).value("Bemerkung"), "von eins");
  EXPECT_EQ(reader.rows("BT-2", "BtypHtyp").at(0).value("Bemerkung"), "von zwei");
}

TEST_F(SharedProject, NewRowsGetKeysNoOtherSessionHasUsed) {
  serve(first);
  const std::int64_t fromFirst = appendRow(1, "A");
  serve(second);
  const std::int64_t fromSecond = appendRow(2, "B");
  EXPECT_NE(fromFirst, fromSecond);
  EXPECT_GT(fromSecond, fromFirst);
  host::Host reader(temp / "projekt");
  EXPECT_EQ(reader.rows("BT-1", "BtypHtyp").size(), 2U);
  EXPECT_EQ(reader.rows("BT-2", "BtypHtyp").size(), 2U);
}

TEST_F(SharedProject, AWriteFromAStaleCopyFailsAndWritesNothing) {
  // The second session has begun an operation (and so has looked at the database) when the first
  // commits; its write would rest on what it read before.
  EXPECT_THROW(second.atomically([&] {
    first.editField("BT-1", "BtypHtyp", wba, "Bemerkung", "von eins");
    serve(second);
    tlSetActiveObject(1);
    tlSetValueByName("BtypHtyp", "Bemerkung", "veraltet");
  }),
               host::HostError);
  host::Host reader(temp / "projekt");
  EXPECT_EQ(reader.rows("BT-1", "BtypHtyp").at(0).value("Bemerkung"), "von eins");
  // Afterwards the second session works on the current state.
  second.editField("BT-2", "BtypHtyp", nss, "Bemerkung", "von zwei");
  EXPECT_EQ(second.rows("BT-1", "BtypHtyp").at(0).value("Bemerkung"), "von eins");
}

TEST_F(SharedProject, AnObjectDeletedByOneSessionIsGoneForTheOther) {
  serve(first);
  ASSERT_NE(tlDeleteObject(2), 0);
  serve(second);
  EXPECT_EQ(tlKennungExists("BT-2"), 0);
  EXPECT_NE(tlKennungExists("BT-1"), 0);
}

}  // namespace
