// The change list as the Linux face reads and updates it, fed with files damaged the way a crash,
// a full disk or a file system's permissions leave them.
#include "platform/ChangeListConnection.h"

#include <gtest/gtest.h>
#include <shapefil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/LibraryError.h"

namespace {

using aggregate::LibraryError;
using aggregate::platform::connectChangeList;

class DbfChangeList : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "changelist-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory = pattern;
    // shapelib names what it creates ".dbf"; the project's file is upper case.
    const std::filesystem::path created = directory / "TA_LIST.dbf";
    DBFHandle dbf = DBFCreate(created.c_str());
    ASSERT_NE(dbf, nullptr);
    DBFAddField(dbf, "KENNUNG", FTString, 20, 0);
    DBFAddField(dbf, "CHANGED", FTString, 10, 0);
    const char* entries[][2] = {{"GB1", "X"}, {"GB2", "IGNORED"}, {"GB3", "IGNORED"}};
    for (int record = 0; record < 3; ++record) {
      DBFWriteStringAttribute(dbf, record, 0, entries[record][0]);
      DBFWriteStringAttribute(dbf, record, 1, entries[record][1]);
    }
    DBFClose(dbf);
    std::filesystem::rename(created, file());
  }

  void TearDown() override { std::filesystem::remove_all(directory); }

  std::filesystem::path file() const { return directory / "TA_LIST.DBF"; }
  std::string bytes() const {
    std::ifstream in(file(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void rewrite(const std::string& content) const {
    std::ofstream(file(), std::ios::binary | std::ios::trunc) << content;
  }
  // The reason the list gives when updating the entry of kennung fails; empty when it works.
  std::string failureOfUpdate(const std::string& kennung) const {
    try {
      connectChangeList("", directory.string())->setChangeStateUpdate(kennung);
    } catch (const LibraryError& failure) {
      return failure.what();
    }
    return {};
  }

  std::filesystem::path directory;
};

TEST_F(DbfChangeList, AHeaderClaimingMoreRecordsThanTheFileHoldsIsRefusedAtOnceAndNothingWritten) {
  std::string content = bytes();
  for (const std::size_t flipped : {5U, 7U}) {
    std::string damaged = content;
    damaged[flipped] = '\x10';
    rewrite(damaged);
    EXPECT_THROW(connectChangeList("", directory.string()), LibraryError) << "byte " << flipped;
    EXPECT_NE(failureOfUpdate("GB2").find("beschädigt"), std::string::npos);
    EXPECT_EQ(bytes(), damaged) << "no entry may be half updated";
  }
}

TEST_F(DbfChangeList, ARecordCutOffInTheMiddleIsReportedNotSkipped) {
  const std::string content = bytes();
  rewrite(content.substr(0, content.size() - 12));
  EXPECT_NE(failureOfUpdate("GB3").find("beschädigt"), std::string::npos);
}

TEST_F(DbfChangeList, AnIntactListIsStillUpdated) {
  EXPECT_EQ(failureOfUpdate("GB2"), "");
  const auto list = connectChangeList("", directory.string());
  EXPECT_EQ(list->changeState("GB2"), "UPDATE");
  EXPECT_EQ(list->changeState("GB3"), "IGNORED");
}

// As root every file is writable, so the check runs in a child that gave up its rights.
TEST_F(DbfChangeList, AReadOnlyListIsCalledReadOnlyNotADBaseTable) {
  std::filesystem::permissions(directory, std::filesystem::perms::owner_all |
                                              std::filesystem::perms::group_exec |
                                              std::filesystem::perms::others_exec);
  std::filesystem::permissions(file(), std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && seteuid(65534) != 0) _exit(2);
    const std::string reason = failureOfUpdate("GB2");
    _exit(reason.find("schreibgeschützt") != std::string::npos ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
