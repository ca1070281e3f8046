// A transfer in tolvar while another program holds the project database's write lock: the host
// refuses the writes as they are made, so the plug-in sees it, tells the user and leaves the change
// list alone.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

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
std::string runTolvar(const std::filesystem::path& project, const std::string& arguments, int& code) {
  const std::string command =
      "'" + std::string(TOLVAR_CLI_PATH) + "' '" + project.string() + "' " + arguments + " 2>&1 >/dev/null";
  const testsupport::CommandOutput result = testsupport::RunShellCommand(command);
  EXPECT_NE(result.status, -1);
  code = result.status;
  return result.output;
}

TEST(LockedProject, ATransferWhoseWritesAnotherWriterBlocksFailsAndLeavesTheTargetUnmarked) {
  const testsupport::TempDir temp;
  const auto project = testsupport::copyProject(DEMO_PROJECT_DIR, temp);
  const std::string rowsBefore = rowsOfGB001(project);
  ASSERT_FALSE(rowsBefore.empty());
  ASSERT_EQ(host::readChangeList(project / "TA_LIST.DBF").front().changed, "IGNORED");

  std::string said;
  {
    host::SqliteDatabase otherWriter(project / host::kDatabaseFileName,
                                     host::SqliteDatabase::Mode::OpenExisting);
    otherWriter.exec("BEGIN EXCLUSIVE");
    int code = 0;
    said = runTolvar(project, "select BT-001 BT-002 GB-001 , run BTToGB", code);
    otherWriter.exec("ROLLBACK");
  }

  EXPECT_NE(said.find("[Fehler] Die Übertragung ist fehlgeschlagen"), std::string::npos) << said;
  EXPECT_NE(said.find("database is locked"), std::string::npos) << said;
  const auto entries = host::readChangeList(project / "TA_LIST.DBF");
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.front().kennung, "GB-001");
  EXPECT_EQ(entries.front().changed, "IGNORED");
  EXPECT_EQ(rowsOfGB001(project), rowsBefore);
}

}  // namespace
