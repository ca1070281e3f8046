// Change-list marking through the ADO stand-in: TA_LIST.DBF of the project folder read and
// updated as Jet's dBase driver would, after a transfer to a GB object.
#include <windows.h>

#include <algorithm>
#include <functional>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"
#include "support/DbaseFile.h"
#include "support/Text.h"
#include "support/WindowView.h"

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

// The project moved to another folder, with a change list of these rows there.
testhost::TestProject& projectIn(Context& context, const std::string& directory, const Rows& rows) {
  auto& project = context.freshProject();
  project.reset(directory, directory + "Projekt.mdb", project.window());
  DeleteFileW((wintest::fromAnsi(directory) + L"TA_LIST.DBF").c_str());
  wintest::DbaseFile::create(wintest::fromAnsi(directory) + L"TA_LIST.DBF",
                             {{"KENNUNG", 20}, {"CHANGED", 10}}, rows);
  return project;
}

Rows changeListIn(const std::string& directory) {
  const auto file = wintest::DbaseFile::read(wintest::fromAnsi(directory) + L"TA_LIST.DBF");
  Rows rows;
  for (std::size_t record = 0; record < file.recordCount(); ++record)
    rows.push_back({file.value(record, 0), file.value(record, 1)});
  return rows;
}

// The transfer's message about a change list that could not be updated, with its reason.
std::wstring failureText(const std::string& directory, const std::wstring& reason) {
  return L"Die Biotoptypen wurden übertragen, aber die Änderungsliste " + wintest::fromAnsi(directory) +
         L"TA_LIST.DBF konnte nicht aktualisiert werden.\r\n" + reason;
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
        const std::string other = context.siblingDirectory(L"Projekt Nord");
        auto& project = projectIn(context, other, {{"GB-1", "IGNORED"}});
        sourceAndTarget(project, "GB-1");
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
        checks.that(changeListIn(other) == Rows{{"GB-1", "UPDATE"}}, "and earlier in the other one");
      });

  for (const wchar_t* name : {L"Projekt;alt", L"'Projekt' alt"}) {
    context.run.run(
        "the folder " + wintest::utf8(name) + ": the Data Source is quoted and the list is marked",
        [&](Checks& checks) {
          const std::string folder = context.siblingDirectory(name);
          auto& project = projectIn(context, folder, {{"GB-1", "IGNORED"}});
          sourceAndTarget(project, "GB-1");
          transfer(context, checks);
          checks.equal(
              countOf(project.adoRecord(),
                      "Connection.ConnectionString = 'Provider=Microsoft.Jet.OLEDB.4.0;Data "
                      "Source=\"" +
                          folder.substr(0, folder.size() - 1) + "\";Extended Properties=DBASE III;'"),
              1, "the folder in double quotes");
          checks.that(changeListIn(folder) == Rows{{"GB-1", "UPDATE"}}, "the entry is marked");
        });
  }

  context.run.run("a project at a drive root keeps its backslash: Q: alone is another folder",
                  [&](Checks& checks) {
                    // Drive Q is a folder of the test build; its current folder is a subfolder.
                    CreateDirectoryW(L"Q:\\Unterordner", nullptr);
                    SetEnvironmentVariableW(L"=Q:", L"Q:\\Unterordner");
                    auto& project = projectIn(context, "Q:\\", {{"GB-1", "IGNORED"}});
                    sourceAndTarget(project, "GB-1");
                    transfer(context, checks);
                    checks.equal(countOf(project.adoRecord(), connectionStringLine("Q:\\\\")), 1,
                                 "the root with its backslash");
                    checks.that(changeListIn("Q:\\") == Rows{{"GB-1", "UPDATE"}}, "the entry is marked");
                    SetEnvironmentVariableW(L"=Q:", nullptr);
                  });

  context.run.run("a Kennung with umlauts matches its entry in the OEM code page of Jet's dBase driver",
                  [&](Checks& checks) {
                    auto& project = context.freshProject();
                    const std::string kennung = wintest::ansi(L"GB-Süd");
                    sourceAndTarget(project, kennung);
                    const std::string stored = wintest::encode(CP_OEMCP, L"GB-Süd");
                    context.createChangeList({{"GB-Sud", "IGNORED"}, {stored, "IGNORED"}});
                    transfer(context, checks);
                    checks.that(context.changeList() == Rows{{"GB-Sud", "IGNORED"}, {stored, "UPDATE"}},
                                "only its own entry is marked");
                  });

  context.run.group("change list: the reasons of a failure");
  // Each situation arranged between the transfer's existence test and the access of the list.
  struct Situation {
    const char* name;
    std::function<void(const std::wstring& file)> arrange;
    std::wstring reason;
  };
  const std::wstring file = wintest::fromAnsi(context.projectDirectory) + L"TA_LIST.DBF";
  HANDLE held = INVALID_HANDLE_VALUE;
  const Situation situations[] = {
      {"opened exclusively by another program",
       [&](const std::wstring& path) {
         held =
             CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
       },
       L"Die Datei wird von einem anderen Programm benutzt. (The Microsoft Jet database engine cannot open "
       L"the "
       L"file '" +
           file +
           L"'.  It is already opened exclusively by another user, or you need permission to view its data., "
           L"0x80004005)"},
      {"write-protected",
       [](const std::wstring& path) { SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY); },
       L"Die Datei ist schreibgeschützt. (Cannot update.  Database or object is read-only., 0x80004005)"},
      {"deleted", [](const std::wstring& path) { DeleteFileW(path.c_str()); },
       L"Die Datei ist nicht mehr vorhanden. (The Microsoft Jet database engine cannot find the input table "
       L"or "
       L"query 'TA_LIST.DBF'.  Make sure it exists and that its name is spelled correctly., 0x80040E37)"},
      {"cut short",
       [](const std::wstring& path) {
         const HANDLE cut = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         const unsigned char claimed[] = {0xE8, 0x03};  // 1000 records
         DWORD written = 0;
         SetFilePointer(cut, 4, nullptr, FILE_BEGIN);
         WriteFile(cut, claimed, sizeof(claimed), &written, nullptr);
         CloseHandle(cut);
       },
       L"Die Datei ist beschädigt: ihr Kopf nennt 1000 Einträge, sie enthält aber nur 1. (External table is "
       L"not "
       L"in the expected format., 0x80004005)"}};
  for (const Situation& situation : situations) {
    context.run.run(std::string(situation.name) + ": the German reason, the provider's text and code",
                    [&](Checks& checks) {
                      auto& project = context.freshProject();
                      sourceAndTarget(project, "GB-1");
                      context.createChangeList({{"GB-1", "IGNORED"}});
                      bool arranged = false;
                      // The marking reads the target's Kennung after the transfer's window is gone.
                      project.setCallObserver([&](const std::string& call) {
                        if (arranged || call.rfind("tlGetObjectData", 0) != 0 ||
                            wintest::findWindow(L"Datenübertragung BT -> GB") != nullptr)
                          return;
                        arranged = true;
                        situation.arrange(file);
                      });
                      const auto told =
                          context.dialog(L"Fehler", {failureText(context.projectDirectory, situation.reason)},
                                         {L"OK"}, IDI_ERROR);
                      checks.none(context.watcher.run({told}, [&] { context.plugin.call("BTToGB"); }));
                      project.setCallObserver(nullptr);
                      if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
                      held = INVALID_HANDLE_VALUE;
                      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                      checks.that(arranged, "arranged during the transfer");
                    });
  }
}

}  // namespace plugintests
