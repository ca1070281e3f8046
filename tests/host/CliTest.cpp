// The tolvar program: commands, and one-line errors with a non-zero exit that leave the project as it was.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "Cli.h"
#include "HostTestProject.h"
#include "ShellCommand.h"

namespace hosttest {
namespace {

struct CliResult {
  int exitCode;
  std::string out;
  std::string err;
};

class Cli : public HostTest {
 protected:
  CliResult run(std::vector<std::string> args) {
    args.insert(args.begin(), dir.string());
    std::ostringstream out, err;
    const int code = tolvar::runCli(args, out, err, HOST_TEST_PLUGIN_PATH);
    return {code, out.str(), err.str()};
  }

  std::string fileBytes(const char* name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  void expectOneLineFailure(const std::vector<std::string>& args, int code, const std::string& message) {
    const std::string objects = fileBytes("objects.geojson");
    const auto tree = host.tree("BT-1");
    const CliResult result = run(args);
    EXPECT_EQ(result.exitCode, code);
    EXPECT_EQ(result.err, "tolvar: " + message + "\n");
    EXPECT_EQ(fileBytes("objects.geojson"), objects);
    host::Host reopened(dir);
    EXPECT_EQ(reopened.tree("BT-1").size(), tree.size());
    EXPECT_EQ(reopened.rows("BT-1", "BtypHtyp")[0].value("Bemerkung"), "");
  }
};

TEST_F(Cli, ListsObjectsAndTheRowTreeOfAnObject) {
  const CliResult objects = run({"objects"});
  EXPECT_EQ(objects.exitCode, 0);
  EXPECT_THAT(objects.out, ::testing::HasSubstr("3       GB-1            GB      polygon       1.0000\n"));
  EXPECT_THAT(objects.out, ::testing::HasSubstr("FSN-1           FSN     multipolygon  0.0200\n"));
  const CliResult tree = run({"tree", "BT-1"});
  EXPECT_THAT(tree.out, ::testing::StartsWith(
                            "BtypHtyp 1: Biotoptyp=WBA, Oekotyp=9110\n  Zusatzcodes 4: Zusatzcode=h\n"));
  EXPECT_THAT(tree.out, ::testing::HasSubstr("\n      Pflanzenliste 9: Pflanzenart=Fagus sylvatica\n"));
}

TEST_F(Cli, RunsSeveralCommandsInOneSession) {
  const CliResult result =
      run({"select", "BT-2", "GB-1", ",", "selection", ",", "active", "BT-1", ",", "run", "ReportPaths", ",",
           "edit", "BT-1", "BtypHtyp", std::to_string(keys.wba), "Oekotyp", "abc"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "BT-2\nGB-1\nReportPaths returned -1\nABC\n");
  host::Host reopened(dir);
  EXPECT_EQ(reopened.rows("BT-1", "BtypHtyp")[0].value("Oekotyp"), "ABC");
}

TEST_F(Cli, ChangeListCanBeCreatedAndListed) {
  const CliResult result = run({"changelist-create", "GB-1", "IGNORED", "BT-1", "UPDATE", ",", "changelist"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "GB-1\tIGNORED\nBT-1\tUPDATE\n");
}

TEST_F(Cli, BadInputIsAOneLineErrorAndChangesNothing) {
  expectOneLineFailure({"tree", "BT-9"}, 1, "unknown Kennung 'BT-9'");
  expectOneLineFailure({"select", "BT-1", "XX"}, 1, "unknown Kennung 'XX'");
  expectOneLineFailure({"run", "NoSuchExport"}, 1, "the plug-in has no export 'NoSuchExport'");
  expectOneLineFailure({"frobnicate"}, 2, "unknown command 'frobnicate' (tolvar --help)");
  expectOneLineFailure({"edit", "BT-1", "BtypHtyp", "1"}, 2,
                       "wrong number of arguments for 'edit' (tolvar --help)");
  expectOneLineFailure({"edit", "BT-1", "BtypHtyp", "x1", "Bemerkung", "v"}, 2,
                       "PKey 'x1' is no integer (tolvar --help)");
  // A later bad command stops the line before anything ran.
  expectOneLineFailure(
      {"edit", "BT-1", "BtypHtyp", "1", "Bemerkung", "v", ",", "notify-own-writes", "vielleicht"}, 2,
      "notify-own-writes takes on or off (tolvar --help)");
  expectOneLineFailure({"active", "BT-1", ",", "run", "LeaveUpdateOpen"}, 1,
                       "LeaveUpdateOpen left tlBeginUpdate/tlEndUpdate unbalanced (depth 1)");
  expectOneLineFailure({"run", "CloseUpdateTwice"}, 1,
                       "CloseUpdateTwice left tlBeginUpdate/tlEndUpdate unbalanced (depth 0)");
  expectOneLineFailure({"changelist"}, 1, "cannot read " + (dir / "TA_LIST.DBF").string());
}

TEST_F(Cli, MalformedFilesAreReportedOnOneLineAndLeftAsTheyAre) {
  const std::string broken = "{\"type\": \"FeatureCollection\",\n \"features\": [{\"properties\": {}}]}";
  std::ofstream(dir / "objects.geojson", std::ios::trunc) << broken;
  const CliResult result = run({"objects"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, ::testing::StartsWith("tolvar: objects.geojson is malformed: "));
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
  EXPECT_EQ(fileBytes("objects.geojson"), broken);
}

TEST_F(Cli, AChangeListCutShortIsReportedAtOnce) {
  ASSERT_EQ(run({"changelist-create", "GB-1", "IGNORED", "BT-1", "UPDATE"}).exitCode, 0);
  std::string bytes = fileBytes("TA_LIST.DBF");
  bytes[7] = '\x01';  // the record count's high byte: 16777218 records claimed
  std::ofstream(dir / "TA_LIST.DBF", std::ios::binary | std::ios::trunc) << bytes;
  const CliResult result = run({"changelist"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "tolvar: " + (dir / "TA_LIST.DBF").string() +
                            " is damaged: its header claims 16777218 records, the file holds 2\n");
  EXPECT_EQ(fileBytes("TA_LIST.DBF"), bytes);
}

TEST_F(Cli, EditsOfFieldsWithoutHandlerNeedNoPlugIn) {
  const CliResult result = run({"--plugin", "/nonexistent.so", "edit", "BT-1", "BtypHtyp",
                                std::to_string(keys.wba), "Bemerkung", "ok"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "ok\n");
}

TEST_F(Cli, MissingProjectOrPluginIsAnError) {
  std::ostringstream out, err;
  EXPECT_EQ(tolvar::runCli({(temp / "fehlt").string(), "objects"}, out, err, HOST_TEST_PLUGIN_PATH), 1);
  EXPECT_EQ(err.str(), "tolvar: no project directory " + (temp / "fehlt").string() + "\n");
  const CliResult noPlugin = run({"--plugin", "/nonexistent.so", "run", "BTToGB"});
  EXPECT_EQ(noPlugin.exitCode, 1);
  EXPECT_THAT(noPlugin.err, ::testing::StartsWith("tolvar: cannot load plug-in /nonexistent.so"));
  std::ostringstream none;
  EXPECT_EQ(tolvar::runCli({}, out, none, HOST_TEST_PLUGIN_PATH), 2);
  EXPECT_EQ(tolvar::runCli({"--help"}, out, none, HOST_TEST_PLUGIN_PATH), 0);
  EXPECT_THAT(out.str(), ::testing::HasSubstr("usage: tolvar"));
}

TEST_F(Cli, TheProgramExitsNonZeroWithOneLineOnStandardError) {
  const std::string command = std::string(TOLVAR_CLI_PATH) + " '" + dir.string() + "' tree NOPE 2>&1";
  const testsupport::CommandOutput result = testsupport::RunShellCommand(command);
  ASSERT_NE(result.status, -1);
  EXPECT_NE(result.status, 0);
  EXPECT_EQ(result.output, "tolvar: unknown Kennung 'NOPE'\n");
}

}  // namespace
}  // namespace hosttest
