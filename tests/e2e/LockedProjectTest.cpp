// A transfer in tolvar while another program holds the project database's write lock.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>

#include "ChangeList.h"
#include "Host.h"
#include "ProjectDatabase.h"
#include "ShellCommand.h"
#include "Sqlite.h"
#include "TempDir.h"

namespace {

// GB-001's rows in every table, as one text to compare.
std::string rowsOfGB001(const std::filesystem::path& project) {
  const host::Host host(project);
  std::ostringstream text;
  for (const std::string& table : host.tableNames()) {
    for (const host::Row& row : host.rows("GB-001", table)) {
      text << table << ' ' << row.key;
      for (const auto& [field, value] : row.fields) text << ' ' << field << '=' << value.value_or("<NULL>");
      text << '\n';
    }
  }
  return text.str();
}

// What tolvar writes to its standard error (messages and errors); its exit code in code.
std::string runTolvar(const std::filesystem::path& project, const std::string& arguments, int& code,
                      const std::string& prefix = "") {
  const std::string command = prefix + "'" + std::string(TOLVAR_CLI_PATH) + "' '" + project.string() + "' " +
                              arguments + " 2>&1 >/dev/null";
  const testsupport::CommandOutput result = testsupport::RunShellCommand(command);
  EXPECT_TRUE(result.status != -1 && WIFEXITED(result.status));
  code = WEXITSTATUS(result.status);
  return result.output;
}

// Another writer's lock: waited for while it is short, and a command it outlasts is undone whole,
// the change list the plug-in marked meanwhile included.
TEST(LockedProject, AShortLockIsWaitedForALongOneUndoesTheTransferAndItsMark) {
  const testsupport::TempDir temp;
  const auto project = testsupport::copyProject(DEMO_PROJECT_DIR, temp);
  const std::string rowsBefore = rowsOfGB001(project);
  ASSERT_FALSE(rowsBefore.empty());
  ASSERT_EQ(host::readChangeList(project / "TA_LIST.DBF").front().changed, "IGNORED");
  const std::string transfer = "select BT-001 BT-002 GB-001 , run BTToGB";

  std::string said;
  int code = 0;
  {
    host::SqliteDatabase otherWriter(project / host::kDatabaseFileName,
                                     host::SqliteDatabase::Mode::OpenExisting);
    otherWriter.exec("BEGIN EXCLUSIVE");
    said = runTolvar(project, transfer, code);
    otherWriter.exec("ROLLBACK");
  }
  EXPECT_EQ(code, 1) << said;
  EXPECT_NE(said.find("die Datenbank ist von einem anderen Programm gesperrt"), std::string::npos) << said;
  EXPECT_EQ(host::readChangeList(project / "TA_LIST.DBF").front().changed, "IGNORED");
  EXPECT_EQ(rowsOfGB001(project), rowsBefore);

  {
    host::SqliteDatabase otherWriter(project / host::kDatabaseFileName,
                                     host::SqliteDatabase::Mode::OpenExisting);
    otherWriter.exec("BEGIN EXCLUSIVE");
    std::thread release([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(host::kLockWaitMilliseconds / 5));
      otherWriter.exec("ROLLBACK");
    });
    said = runTolvar(project, transfer, code);
    release.join();
  }
  EXPECT_EQ(code, 0) << said;
  EXPECT_EQ(host::readChangeList(project / "TA_LIST.DBF").front().changed, "UPDATE");
  EXPECT_NE(rowsOfGB001(project), rowsBefore);
}

// A project on a write-protected folder is viewed as it is; a command that would write is refused
// in one line. As root every file is writable, so tolvar runs as nobody then.
TEST(LockedProject, AWriteProtectedProjectCanBeViewedButNotChanged) {
  const testsupport::TempDir temp;
  const auto project = testsupport::copyProject(DEMO_PROJECT_DIR, temp);
  namespace fs = std::filesystem;
  const fs::perms readable = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(temp.path(), readable);
  for (const auto& entry : fs::directory_iterator(project))
    fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(project, readable);
  const std::string asNobody = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";

  int code = 0;
  std::string said = runTolvar(project, "objects , tree GB-001", code, asNobody);
  EXPECT_EQ(code, 0) << said;
  said = runTolvar(project, "select BT-001 BT-002 GB-001 , run BTToGB", code, asNobody);
  EXPECT_EQ(code, 1) << said;
  EXPECT_NE(said.find("ist schreibgeschützt; BTToGB wurde nicht ausgeführt."), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  fs::permissions(project, fs::perms::owner_all);
}

}  // namespace
