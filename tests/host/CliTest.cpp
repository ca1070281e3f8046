// The tolvar program: commands, help, exit codes, and one-line errors that leave the project as it was.
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
  EXPECT_THAT(objects.out, ::testing::HasSubstr("3       GB-1            GB      Polygon       1.0000\n"));
  EXPECT_THAT(objects.out, ::testing::HasSubstr("FSN-1           FSN     Multipolygon  0.0200\n"));
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
  EXPECT_EQ(result.out, "BT-2\nGB-1\nReportPaths gab -1 zurück\nABC\n");
  host::Host reopened(dir);
  EXPECT_EQ(reopened.rows("BT-1", "BtypHtyp")[0].value("Oekotyp"), "ABC");
}

TEST_F(Cli, ChangeListIsCreatedListedAndReplacedOnlyWhenForced) {
  const CliResult result = run({"changelist-create", "GB-1", "IGNORED", "BT-1", "UPDATE", ",", "changelist"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "GB-1\tIGNORED\nBT-1\tUPDATE\n");
  const std::string list = fileBytes("TA_LIST.DBF");
  const CliResult again = run({"changelist-create"});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_EQ(again.err, "tolvar: " + (dir / "TA_LIST.DBF").string() +
                           " gibt es schon; changelist-create --force ersetzt sie\n");
  EXPECT_EQ(fileBytes("TA_LIST.DBF"), list);
  const CliResult forced = run({"changelist-create", "--force", "GB-1", "UPDATE", ",", "changelist"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  EXPECT_EQ(forced.out, "GB-1\tUPDATE\n");
}

TEST_F(Cli, BadInputIsAOneLineErrorAndChangesNothing) {
  expectOneLineFailure({"tree", "BT-9"}, 1, "Unbekannte Kennung 'BT-9'");
  expectOneLineFailure({"select", "BT-1", "XX"}, 1, "Unbekannte Kennung 'XX'");
  expectOneLineFailure({"frobnicate"}, 2, "unbekannter Befehl 'frobnicate' (tolvar --help)");
  expectOneLineFailure({"slect", "BT-1"}, 2,
                       "unbekannter Befehl 'slect' (meinten Sie 'select'?) (tolvar --help)");
  expectOneLineFailure({"--plugn", "x.so", "objects"}, 2,
                       "unbekannte Option '--plugn' (meinten Sie '--plugin'?) (tolvar --help)");
  expectOneLineFailure({"edit", "BT-1", "BtypHtyp", "1"}, 2,
                       "falsche Zahl von Angaben für 'edit': edit <Kennung> <Tabelle> <PKey> <Feld> <Wert> "
                       "(tolvar --help)");
  expectOneLineFailure({"edit", "BT-1", "BtypHtyp", "x1", "Bemerkung", "v"}, 2,
                       "PKey 'x1' ist keine ganze Zahl (tolvar --help)");
  // A later bad command stops the line before anything ran; so does a function the plug-in lacks.
  expectOneLineFailure(
      {"edit", "BT-1", "BtypHtyp", "1", "Bemerkung", "v", ",", "notify-own-writes", "vielleicht"}, 2,
      "notify-own-writes erwartet on oder off (tolvar --help)");
  expectOneLineFailure({"edit", "BT-1", "BtypHtyp", "1", "Bemerkung", "v", ",", "run", "BTtoGB"}, 2,
                       "Das Plug-in hat keine Funktion 'BTtoGB' (meinten Sie 'BTToGB'?) (tolvar --help)");
  expectOneLineFailure({"run", "NoSuchExport"}, 2,
                       "Das Plug-in hat keine Funktion 'NoSuchExport' (tolvar --help)");
  expectOneLineFailure({"active", "BT-1", ",", "run", "LeaveUpdateOpen"}, 1,
                       "LeaveUpdateOpen hat tlBeginUpdate/tlEndUpdate nicht ausgeglichen (Tiefe 1)");
  expectOneLineFailure({"run", "CloseUpdateTwice"}, 1,
                       "CloseUpdateTwice hat tlBeginUpdate/tlEndUpdate nicht ausgeglichen (Tiefe 0)");
  expectOneLineFailure({"changelist"}, 1, (dir / "TA_LIST.DBF").string() + " lässt sich nicht lesen");
}

TEST_F(Cli, MalformedFilesAreReportedOnOneLineAndLeftAsTheyAre) {
  const std::string broken = "{\"type\": \"FeatureCollection\",\n \"features\": [{\"properties\": {}}]}";
  std::ofstream(dir / "objects.geojson", std::ios::trunc) << broken;
  const CliResult result = run({"objects"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, ::testing::StartsWith("tolvar: objects.geojson ist fehlerhaft: "));
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
                            " ist beschädigt: ihr Kopf nennt 16777218 Einträge, sie enthält aber nur 2\n");
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
  EXPECT_EQ(err.str(), "tolvar: Projektordner nicht gefunden: " + (temp / "fehlt").string() + "\n");
  const CliResult noPlugin = run({"--plugin", "/nonexistent.so", "run", "BTToGB"});
  EXPECT_EQ(noPlugin.exitCode, 1);
  EXPECT_THAT(noPlugin.err,
              ::testing::StartsWith("tolvar: Das Plug-in /nonexistent.so lässt sich nicht laden"));
  std::ostringstream none;
  EXPECT_EQ(tolvar::runCli({}, out, none, HOST_TEST_PLUGIN_PATH), 2);
  EXPECT_EQ(none.str(), "tolvar: kein Projektordner angegeben (tolvar --help)\n");
}

TEST_F(Cli, HelpAndVersionAnswerWhereverTheyAreAsked) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"help"}, {"--help"}, {"demo", "select", "-h"}, {"help", "run"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(tolvar::runCli(args, out, err, HOST_TEST_PLUGIN_PATH), 0);
    EXPECT_THAT(out.str(), ::testing::StartsWith("Aufruf: tolvar <Projektordner>"));
    EXPECT_EQ(err.str(), "");
  }
  std::ostringstream help, err;
  tolvar::runCli({"--help"}, help, err, HOST_TEST_PLUGIN_PATH);
  for (const char* line :
       {"\n  BT_FT_FPToMAS         die ausgewählten Maßnahmen", "\n  deleteObject          ",
        "\n  changelist-create [--force]", "\n  2                     die Befehlszeile"})
    EXPECT_THAT(help.str(), ::testing::HasSubstr(line));
  std::ostringstream version;
  EXPECT_EQ(tolvar::runCli({"/nirgends", "objects", "--version"}, version, err, HOST_TEST_PLUGIN_PATH), 0);
  EXPECT_THAT(version.str(), ::testing::StartsWith("tolvar 3."));
  std::ostringstream first;
  EXPECT_EQ(tolvar::runCli({"objects"}, first, err, HOST_TEST_PLUGIN_PATH), 2);
  EXPECT_THAT(err.str(), ::testing::HasSubstr("kein Befehl angegeben; zuerst kommt der Projektordner"));
}

// A script tells failure from the exit code: an error box or a cancel in the plug-in is 1, and the
// rest of the line still runs.
TEST_F(Cli, ErrorBoxesAndCancelsGiveExitCodeOne) {
  EXPECT_EQ(run({"run", "ReportPaths"}).exitCode, 0);
  const CliResult box = run({"run", "ShowErrorBox", ",", "selection"});
  EXPECT_EQ(box.exitCode, 1);
  EXPECT_EQ(box.out, "ShowErrorBox gab -1 zurück\n");
  EXPECT_EQ(box.err, "Nichts ist ausgewählt.\n");
  const CliResult cancelled = run({"run", "CancelledWindow"});
  EXPECT_EQ(cancelled.exitCode, 1);
  EXPECT_EQ(cancelled.out, "CancelledWindow gab -1 zurück\n");
}

TEST_F(Cli, EmptyAnswersSaySoOnStandardError) {
  const CliResult result = run({"tree", "MAS-1", ",", "calls", ",", "selection"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            "MAS-1 hat keine Attributzeilen.\nNoch kein Aufruf der Programmschnittstelle.\nNichts ist "
            "ausgewählt.\n");
}

TEST_F(Cli, TheProgramExitsNonZeroWithOneLineOnStandardError) {
  const std::string command = std::string(TOLVAR_CLI_PATH) + " '" + dir.string() + "' tree NOPE 2>&1";
  const testsupport::CommandOutput result = testsupport::RunShellCommand(command);
  ASSERT_NE(result.status, -1);
  EXPECT_NE(result.status, 0);
  EXPECT_EQ(result.output, "tolvar: Unbekannte Kennung 'NOPE'\n");
}

}  // namespace
}  // namespace hosttest
