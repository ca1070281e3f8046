// Marking the transfer's target in TA_LIST.DBF through the simulated host: which states change,
// which rows, which project's list, what a broken list does, and that the file stays a dBase
// III table other readers open.
#include <ctime>
#include <fstream>
#include <iterator>

#include "ChangeList.h"
#include "ClassCodes.h"
#include "PluginSession.h"

namespace {

using e2e::addArea;
using ChangeList = std::vector<host::ChangeListEntry>;

class ChangeListMarking : public e2e::PluginSession {
 protected:
  // One BT source and GB targets with these Kennungen.
  void sourceAndTargets(const std::vector<std::string>& targets) {
    addArea(project, 1, "BT1", host::kClassBT, 2);
    project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "WQ"}});
    int32_t id = 10;
    for (const std::string& kennung : targets) addArea(project, id++, kennung, host::kClassGB, 1);
  }
  void transferTo(const std::string& target) { run("BTToGB", {"BT1", target}); }
  // The transfer to GB1 on a fresh copy of the project with the first call of function failing.
  void transferWithFailing(const std::string& function) {
    open("undisturbed-" + function);
    std::int64_t calls = 0, failAt = 0;
    host->setCallObserver([&](const std::string& called) {
      ++calls;
      if (called == function && failAt == 0) failAt = calls;
    });
    transferTo("GB1");
    host->setCallObserver({});
    ASSERT_GT(failAt, 0) << function;
    open("failing-" + function);
    host->failCall(failAt);
    transferTo("GB1");
    host->failCall(0);
  }
  ChangeList changeList() const { return host::readChangeList(host->changeListPath()); }
};

TEST_F(ChangeListMarking, OnlyAnIgnoredEntryBecomesUpdate) {
  sourceAndTargets({"GB1", "GB2", "GB3", "GB4", "GB5"});
  project.createChangeList(
      {{"GB1", "IGNORED"}, {"GB2", "UPDATE"}, {"GB3", "ignored"}, {"GB4", ""}, {"GB5", "NEU"}});
  open();
  for (const char* target : {"GB1", "GB2", "GB3", "GB4", "GB5"}) transferTo(target);
  EXPECT_EQ(
      changeList(),
      (ChangeList{{"GB1", "UPDATE"}, {"GB2", "UPDATE"}, {"GB3", "ignored"}, {"GB4", ""}, {"GB5", "NEU"}}));
  EXPECT_TRUE(traceLines("[Fehler]").empty());
}

TEST_F(ChangeListMarking, TheFirstEntryDecidesForAllEntriesOfTheKennung) {
  sourceAndTargets({"GB1", "GB2"});
  project.createChangeList({{"GB1", "IGNORED"}, {"GB2", "X"}, {"GB1", "X"}, {"GB2", "IGNORED"}});
  open();
  transferTo("GB1");
  transferTo("GB2");
  EXPECT_EQ(changeList(),
            (ChangeList{{"GB1", "UPDATE"}, {"GB2", "X"}, {"GB1", "UPDATE"}, {"GB2", "IGNORED"}}));
}

TEST_F(ChangeListMarking, AKennungWithAQuoteTouchesOnlyItsOwnEntry) {
  sourceAndTargets({"GB'1", "GB"});
  project.createChangeList({{"GB", "IGNORED"}, {"GB'1", "IGNORED"}, {"GB'1' OR '1'='1", "IGNORED"}});
  open();
  transferTo("GB'1");
  EXPECT_EQ(changeList(),
            (ChangeList{{"GB", "IGNORED"}, {"GB'1", "UPDATE"}, {"GB'1' OR '1'='1", "IGNORED"}}));
}

TEST_F(ChangeListMarking, AProjectDirectoryWithUmlautsIsFound) {
  sourceAndTargets({"GB1"});
  project.createChangeList({{"GB1", "IGNORED"}});
  open("Flächen Süd");
  transferTo("GB1");
  EXPECT_EQ(changeList(), (ChangeList{{"GB1", "UPDATE"}}));
  EXPECT_TRUE(traceLines("[Fehler]").empty());
}

// Windows-1252 has no "Ł": the host names a directory with '?' in its place.
TEST_F(ChangeListMarking, AProjectDirectoryTheHostCannotNameIsReportedNotSkipped) {
  sourceAndTargets({"GB1"});
  project.createChangeList({{"GB1", "IGNORED"}});
  open("Łódź");
  transferTo("GB1");
  EXPECT_EQ(rows("GB1", "BtypHtyp").size(), 1U) << "the transfer stands";
  const auto errors = traceLines("[Fehler]");
  ASSERT_EQ(errors.size(), 1U);
  EXPECT_NE(errors[0].find("Änderungsliste konnte nicht geprüft werden"), std::string::npos) << errors[0];
  EXPECT_EQ(changeList(), (ChangeList{{"GB1", "IGNORED"}}));
}

TEST_F(ChangeListMarking, AProjectPathLongerThan255CharactersIsFound) {
  sourceAndTargets({"GB1"});
  project.createChangeList({{"GB1", "IGNORED"}});
  open(std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c'));
  ASSERT_GT(host->projectDir().string().size(), 300U);
  transferTo("GB1");
  EXPECT_EQ(changeList(), (ChangeList{{"GB1", "UPDATE"}}));
  EXPECT_TRUE(traceLines("[Fehler]").empty());
}

// An empty answer may be a path too long for the first buffer: it is asked again, larger.
TEST_F(ChangeListMarking, AProjectDirectoryTheHostLeavesOutOnceIsAskedAgain) {
  sourceAndTargets({"GB1"});
  project.createChangeList({{"GB1", "IGNORED"}});
  transferWithFailing("tlGetProjectDir");
  EXPECT_TRUE(traceLines("[Fehler]").empty());
  EXPECT_EQ(changeList(), (ChangeList{{"GB1", "UPDATE"}}));
}

// The plug-in cannot know whether a write stood (its result says nothing): the transfer marks its
// target as always.
TEST_F(ChangeListMarking, ATransferMarksItsTargetWhateverItsWritesAnswer) {
  sourceAndTargets({"GB1"});
  for (const char* write : {"tlSetValueByName", "tlAppendRecord", "tlPostRecord"}) {
    SCOPED_TRACE(write);
    project.createChangeList({{"GB1", "IGNORED"}});
    transferWithFailing(write);
    EXPECT_TRUE(traceLines("[Fehler]").empty());
    EXPECT_EQ(changeList(), (ChangeList{{"GB1", "UPDATE"}}));
  }
}

TEST_F(ChangeListMarking, AProjectWithoutAChangeListGetsNone) {
  sourceAndTargets({"GB1"});
  open();
  transferTo("GB1");
  EXPECT_FALSE(std::filesystem::exists(host->changeListPath()));
  EXPECT_TRUE(traceLines("[Fehler]").empty());
  EXPECT_EQ(rows("GB1", "BtypHtyp").size(), 1U);
}

TEST_F(ChangeListMarking, AnotherProjectIsMarkedInItsOwnList) {
  sourceAndTargets({"GB1"});
  project.createChangeList({{"GB1", "IGNORED"}});
  open("erstes");
  transferTo("GB1");
  const auto first = host->changeListPath();
  host::writeChangeList(first, {{"GB1", "IGNORED"}});

  open("zweites");
  transferTo("GB1");
  EXPECT_EQ(changeList(), (ChangeList{{"GB1", "UPDATE"}}));
  EXPECT_EQ(host::readChangeList(first), (ChangeList{{"GB1", "IGNORED"}}));
}

TEST_F(ChangeListMarking, ABrokenListIsReportedTheTransferStandsAndARepairedListIsUsed) {
  sourceAndTargets({"GB1"});
  open();
  std::ofstream(host->changeListPath(), std::ios::binary) << "kein dBase";
  transferTo("GB1");
  EXPECT_EQ(rows("GB1", "BtypHtyp").size(), 1U);
  const auto errors = traceLines("[Fehler]");
  ASSERT_EQ(errors.size(), 1U);
  EXPECT_NE(errors[0].find("Änderungsliste"), std::string::npos);
  EXPECT_NE(errors[0].find("TA_LIST.DBF"), std::string::npos);

  host::writeChangeList(host->changeListPath(), {{"GB1", "IGNORED"}});
  transferTo("GB1");
  EXPECT_TRUE(traceLines("[Fehler]").empty());
  EXPECT_EQ(changeList(), (ChangeList{{"GB1", "UPDATE"}}));
}

uint32_t littleEndian(const std::string& bytes, std::size_t at, std::size_t width) {
  uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST_F(ChangeListMarking, TheUpdatedFileStaysADBaseIIITable) {
  sourceAndTargets({"GB1", "GB2"});
  project.createChangeList({{"GB2", "X"}, {"GB1", "IGNORED"}});
  open();
  transferTo("GB1");

  std::ifstream in(host->changeListPath(), std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(file.size(), 32U);
  EXPECT_EQ(static_cast<unsigned char>(file[0]), 0x03) << "dBase III without memo";
  const std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);
  EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(file[1])), today.tm_year)
      << "date of the last update";
  EXPECT_EQ(static_cast<int>(file[2]), today.tm_mon + 1);
  EXPECT_EQ(static_cast<int>(file[3]), today.tm_mday);
  const uint32_t records = littleEndian(file, 4, 4);
  const uint32_t headerLength = littleEndian(file, 8, 2);
  const uint32_t recordLength = littleEndian(file, 10, 2);
  EXPECT_EQ(records, 2U);
  EXPECT_EQ(file[headerLength - 1], '\x0D') << "end of the field descriptors";
  const std::size_t data = headerLength + records * recordLength;
  ASSERT_TRUE(file.size() == data || (file.size() == data + 1 && file.back() == '\x1A'));
  // Both records undeleted, CHANGED blank-padded after the 128 characters of KENNUNG.
  const std::string second = file.substr(headerLength + recordLength, recordLength);
  EXPECT_EQ(second[0], ' ');
  EXPECT_EQ(second.substr(1 + 128), "UPDATE" + std::string(recordLength - 1 - 128 - 6, ' '));
  EXPECT_EQ(changeList(), (ChangeList{{"GB2", "X"}, {"GB1", "UPDATE"}}));
}

}  // namespace
