// Change-list marking through the ADO stand-in: TA_LIST.DBF of the project folder read and
// updated as Jet's dBase driver would, after a transfer to a GB object.
#include <windows.h>

#include <algorithm>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"
#include "support/DbaseFile.h"
#include "support/Text.h"

namespace plugintests {

using aggregate::kClassBT;
using aggregate::kClassGB;
using wintest::Checks;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A BT object with one biotope-type row and the GB target, both selected.
void sourceAndTarget(testhost::TestProject& project, const std::string& target) {
  const int32_t source = project.addObject("BT-1", kClassBT, 2);
  project.addRow(source, "BtypHtyp", {{"Biotoptyp", "WXA"}});
  project.select({source, project.addObject(target, kClassGB, 2)});
}

void transfer(Context& context, Checks& checks) {
  int16_t result = 0;
  checks.none(context.watcher.run({}, [&] { result = context.plugin.call("BTToGB"); }));
  checks.equal(result, -1, "result");
}

long long countOf(const std::vector<std::string>& record, const std::string& line) {
  return std::count(record.begin(), record.end(), line);
}

std::string connectionStringLine(const std::string& directory) {
  return "Connection.ConnectionString = 'Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
         directory.substr(0, directory.size() - 1) + ";Extended Properties=DBASE III;'";
}

// A second project folder beside the first.
std::string otherProjectDirectory(const std::string& projectDirectory) {
  const std::string parent =
      projectDirectory.substr(0, projectDirectory.find_last_of('\\', projectDirectory.size() - 2) + 1);
  const std::string other = parent + "Projekt Nord\\";
  CreateDirectoryW(wintest::fromAnsi(other).c_str(), nullptr);
  return other;
}

}  // namespace

void changeListTests(Context& context) {
  context.run.group("change list");

  context.run.run(
      "the target's entry IGNORED becomes UPDATE; other states and entries stay", [&](Checks& checks) {
        auto& project = context.freshProject();
        sourceAndTarget(project, "GB-1");
        context.createChangeList({{"BT-1", "IGNORED"},
                                  {"GB-1", "IGNORED"},
                                  {"GB-2", "IGNORED"},
                                  {"GB-1", "NEW"},
                                  {"GB-3", "ignored"},
                                  {"GB-4", ""}});
        transfer(context, checks);
        checks.that(context.changeList() == Rows{{"BT-1", "IGNORED"},
                                                 {"GB-1", "UPDATE"},
                                                 {"GB-2", "IGNORED"},
                                                 {"GB-1", "UPDATE"},
                                                 {"GB-3", "ignored"},
                                                 {"GB-4", ""}},
                    "only the target's rows change, all of them, as the first decides");
        const auto record = project.adoRecord();
        checks.equal(
            countOf(record, "Command.CommandText = 'select CHANGED from TA_LIST.DBF where KENNUNG = ?'"), 1,
            "the state is selected with a parameter");
        checks.equal(
            countOf(record,
                    "Command.CommandText = 'update TA_LIST.DBF set CHANGED = 'UPDATE' where KENNUNG = ?'"),
            1, "the state is updated with a parameter");
        checks.equal(countOf(record, "Command.CreateParameter('', 200, 1, 4, 'GB-1')"), 2,
                     "the Kennung is the parameter of both statements");
        checks.that(std::none_of(record.begin(), record.end(),
                                 [](const std::string& line) { return line.rfind("  refused", 0) == 0; }),
                    "the stand-in accepted every statement");
      });

  context.run.run("states other than IGNORED are left alone", [&](Checks& checks) {
    auto& project = context.freshProject();
    sourceAndTarget(project, "GB-1");
    context.createChangeList({{"GB-1", "ignored"}, {"GB-2", "IGNORED"}});
    transfer(context, checks);
    checks.that(context.changeList() == Rows{{"GB-1", "ignored"}, {"GB-2", "IGNORED"}}, "nothing changes");
    const auto record = project.adoRecord();
    checks.that(std::none_of(
                    record.begin(), record.end(),
                    [](const std::string& line) { return line.find("update TA_LIST") != std::string::npos; }),
                "no update is sent");
  });

  context.run.run("a Kennung with a quote touches only its own entry", [&](Checks& checks) {
    auto& project = context.freshProject();
    sourceAndTarget(project, "GB-'1");
    context.createChangeList(
        {{"GB-", "IGNORED"}, {"GB-'1", "IGNORED"}, {"GB-1", "IGNORED"}, {"'", "IGNORED"}});
    transfer(context, checks);
    checks.that(context.changeList() ==
                    Rows{{"GB-", "IGNORED"}, {"GB-'1", "UPDATE"}, {"GB-1", "IGNORED"}, {"'", "IGNORED"}},
                "only GB-'1 is marked");
  });

  context.run.run(
      "one connection per project folder: reused for the same, a new one for another", [&](Checks& checks) {
        const std::string other = otherProjectDirectory(context.projectDirectory);
        auto& project = context.freshProject();
        project.reset(other, other + "Projekt.mdb", project.window());
        sourceAndTarget(project, "GB-1");
        DeleteFileW((wintest::fromAnsi(other) + L"TA_LIST.DBF").c_str());
        wintest::DbaseFile::create(wintest::fromAnsi(other) + L"TA_LIST.DBF",
                                   {{"KENNUNG", 20}, {"CHANGED", 10}}, {{"GB-1", "IGNORED"}});
        transfer(context, checks);
        transfer(context, checks);
        auto record = project.adoRecord();
        checks.equal(countOf(record, connectionStringLine(other)), 1,
                     "the other folder's change list, named without its trailing backslash");
        checks.equal(countOf(record, "Connection.Open"), 1, "two transfers, one connection");
        const auto prompt = std::find(record.begin(), record.end(), "Property(Prompt).Value = 4");
        checks.that(prompt < std::find(record.begin(), record.end(), "Connection.Open"),
                    "the login prompt is off before connecting");

        auto& first = context.freshProject();
        sourceAndTarget(first, "GB-1");
        context.createChangeList({{"GB-1", "IGNORED"}});
        transfer(context, checks);
        record = first.adoRecord();
        checks.equal(countOf(record, connectionStringLine(context.projectDirectory)), 1,
                     "back in the first folder: its own change list");
        checks.that(context.changeList() == Rows{{"GB-1", "UPDATE"}}, "marked in the first folder");
        const auto otherList = wintest::DbaseFile::read(wintest::fromAnsi(other) + L"TA_LIST.DBF");
        checks.that(otherList.value(0, 1) == "UPDATE", "and earlier in the other one");
      });
}

}  // namespace plugintests
