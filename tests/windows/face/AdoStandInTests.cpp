// The test prefix's ADO stand-in refuses what Jet refuses, so that a green end-to-end test means
// the plug-in's statements would run on Jet. Driven through IDispatch, as the plug-in drives ADO.
#include <windows.h>

#include <functional>

#include "FaceTests.h"
#include "TestProject.h"
#include "common/LibraryError.h"
#include "platform/windows/ComApartment.h"
#include "platform/windows/DispatchObject.h"
#include "support/DbaseFile.h"
#include "support/JetDatabaseFile.h"
#include "support/Text.h"

namespace facetests {

using aggregate::platform::win32::ComApartment;
using aggregate::platform::win32::DispatchObject;
using aggregate::platform::win32::Variant;
using aggregate::platform::win32::variants;
using wintest::Checks;

namespace {

constexpr long kCmdText = 1;
constexpr long kCmdTable = 2;

// A project folder with its database file, a change list and two objects with rows.
struct Project {
  std::string directory;  // ends with a backslash
  std::string database;
  int32_t first = 0;
};

Project makeProject() {
  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, temporary);
  const std::wstring directory = std::wstring(temporary) + L"Stand-in Projekt\\";
  CreateDirectoryW(directory.c_str(), nullptr);
  wintest::createJetDatabaseFile(directory + L"Projekt.mdb");
  wintest::DbaseFile::create(directory + L"TA_LIST.DBF", {{"KENNUNG", 20}, {"CHANGED", 10}},
                             {{"BT-1", "IGNORED"}, {"BT-2", "NEW"}});
  Project project{wintest::ansi(directory), wintest::ansi(directory + L"Projekt.mdb")};
  auto& host = testhost::testProject();
  host.reset(project.directory, project.database, 0);
  project.first = host.addObject("BT-1", 1, 1);
  host.addRow(project.first, "BtypHtyp", {{"Biotoptyp", "WXA"}}, 0, 11);
  host.addRow(project.first, "BtypHtyp", {{"Biotoptyp", "OZ"}}, 0, 12);
  host.addRow(host.addObject("BT-2", 1, 1), "BtypHtyp", {{"Biotoptyp", "GM"}}, 0, 13);
  return project;
}

std::string projectString(const Project& project) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + project.database + ";Persist Security Info=False";
}

std::string changeListString(const std::string& directory) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + directory + ";Extended Properties=DBASE III;";
}

DispatchObject connect(const std::string& connectionString) {
  DispatchObject connection = DispatchObject::create(L"ADODB.Connection");
  connection.put(L"ConnectionString", Variant::text(connectionString));
  connection.call(L"Open");
  return connection;
}

std::vector<std::string> firstColumn(DispatchObject& connection, const std::string& source,
                                     long type = kCmdText) {
  DispatchObject recordset = DispatchObject::create(L"ADODB.Recordset");
  recordset.call(L"Open", variants(Variant::text(source), Variant::object(connection), Variant::integer(0),
                                   Variant::integer(1), Variant::integer(type)));
  std::vector<std::string> values;
  while (!recordset.get(L"EOF").isTrue()) {
    values.push_back(recordset.member(L"Fields")
                         .get(L"Item", variants(Variant::integer(0)))
                         .toObject("Field")
                         .get(L"Value")
                         .toText());
    recordset.call(L"MoveNext");
  }
  return values;
}

// The ADO error text of what step threw; empty when it went through.
std::string refusal(const std::function<void()>& step) {
  try {
    step();
  } catch (const aggregate::LibraryError& failure) {
    const std::string message = failure.what();
    return message.empty() ? "(no text)" : message;
  }
  return {};
}

void checkRefused(Checks& checks, const std::string& message, const std::string& expected,
                  const std::string& what) {
  checks.that(message.find(expected) != std::string::npos,
              what + ": refused with \"" + expected + "\", got \"" + message + "\"");
}

}  // namespace

void adoStandInTests(Context& context) {
  context.run.group("ADO stand-in as strict as Jet");

  context.run.run(
      "connection strings: only the Jet provider, existing files, a dBase folder without backslash",
      [](Checks& checks) {
        const ComApartment apartment;
        const Project project = makeProject();
        checks.that(refusal([&] { connect(projectString(project)); }).empty(), "the project database opens");
        checks.that(refusal([&] {
                      connect(changeListString(project.directory.substr(0, project.directory.size() - 1)));
                    }).empty(),
                    "the change-list folder opens");
        checkRefused(checks, refusal([&] {
                       connect("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + project.database);
                     }),
                     "Provider cannot be found", "another provider");
        checkRefused(checks, refusal([&] { connect(changeListString(project.directory)); }),
                     "is not a valid path", "a folder with its trailing backslash");
        checkRefused(checks, refusal([&] {
                       connect("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + project.directory +
                               ";Extended Properties=Paradox 5.x;");
                     }),
                     "Could not find installable ISAM", "another ISAM");
        checkRefused(checks, refusal([&] {
                       connect(projectString(Project{"", project.directory + "Fehlt.mdb"}));
                     }),
                     "Could not find file", "a database file that does not exist");
        const std::wstring empty = wintest::fromAnsi(project.database);
        CloseHandle(CreateFileW(empty.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        checkRefused(checks, refusal([&] { connect(projectString(project)); }),
                     "Unrecognized database format", "a 0-byte database file");
      });

  context.run.run("connection strings: quoted values as OLE DB reads them", [](Checks& checks) {
    const ComApartment apartment;
    const Project project = makeProject();
    const std::string folder = project.directory.substr(0, project.directory.size() - 1);
    checks.that(refusal([&] {
                  connect("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"" + project.database +
                          "\";Persist Security Info=False");
                }).empty(),
                "a value in double quotes");
    checks.that(refusal([&] {
                  connect("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + folder +
                          "' ;Extended Properties=DBASE III;");
                }).empty(),
                "a value in single quotes, a blank after it");
    checkRefused(checks, refusal([&] {
                   connect("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"" + folder +
                           "\"x;Extended Properties=DBASE III;");
                 }),
                 "does not conform to the OLE DB syntax", "text after the closing quote");
    checkRefused(checks, refusal([&] {
                   connect("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder +
                           ";alt;Extended "
                           "Properties=DBASE III;");
                 }),
                 "Could not find installable ISAM", "an unquoted ';' splits the value");
  });

  context.run.run(
      "dBase tables: 8.3 names, texts in the OEM code page as Jet's driver keeps them", [](Checks& checks) {
        const ComApartment apartment;
        const Project project = makeProject();
        const std::wstring folder = wintest::fromAnsi(project.directory);
        wintest::DbaseFile::create(folder + L"TA_LISTE.DBF", {{"KENNUNG", 20}, {"CHANGED", 10}},
                                   {{wintest::encode(CP_OEMCP, L"GB-Süd"), "IGNORED"}});
        CopyFileW((folder + L"TA_LISTE.DBF").c_str(), (folder + L"TA_LISTE_ALT.DBF").c_str(), FALSE);
        DispatchObject changes =
            connect(changeListString(project.directory.substr(0, project.directory.size() - 1)));
        checks.that(firstColumn(changes,
                                "select KENNUNG from TA_LISTE.DBF where CHANGED = "
                                "'IGNORED'") == std::vector<std::string>{wintest::utf8(L"GB-Süd")},
                    "an umlaut in the OEM code page reads as that umlaut");
        checkRefused(checks, refusal([&] {
                       firstColumn(changes, "select KENNUNG from TA_LISTE_ALT.DBF where CHANGED = 'X'");
                     }),
                     "is not a valid name", "a long file name");
      });

  context.run.run("statements: the shapes the plug-in sends go through, nothing more", [](Checks& checks) {
    const ComApartment apartment;
    const Project project = makeProject();
    DispatchObject database = connect(projectString(project));
    const std::string id = std::to_string(project.first);
    checks.that(firstColumn(database, "select PKey from BtypHtyp\r\nwhere TOLVARID = " + id) ==
                    std::vector<std::string>{"11", "12"},
                "the keys of one object");
    checks.that(firstColumn(database, "SELECT Biotoptyp FROM [btyphtyp] WHERE TOLVARID = " + id) ==
                    std::vector<std::string>{"WXA", "OZ"},
                "keywords and names in any case, names in brackets");
    checks.that(firstColumn(database, "BTypHTyp", kCmdTable).size() == 3, "a table opened by name");
    const std::pair<std::string, std::string> refused[] = {
        {"select PKey from Nichtda where TOLVARID = 1", "cannot find the input table"},
        {"Nichtda", "cannot find the input table"},
        {"select Nichtda from BtypHtyp where TOLVARID = 1", "No value given"},
        {"select PKey from BtypHtyp where Nichtda = 1", "No value given"},
        {"select PKey from BtypHtyp where TOLVARID = '1'", "Data type mismatch"},
        {"select PKey from BtypHtyp where Biotoptyp = 1", "Data type mismatch"},
        {"select PKey from BtypHtyp where TOLVARID == 1", "Syntax error"},
        {"select PKey from BtypHtyp where TOLVARID = 1;", "Syntax error"},
        {"select PKey, TOLVARID from BtypHtyp", "Syntax error"},
        {"select * from BtypHtyp", "Syntax error"},
        {"select PKey from BtypHtyp where TOLVARID = 1 and PKey = 11", "Syntax error"},
        {"select PKey from BtypHtyp where Biotoptyp = 'WXA", "Syntax error in string"},
        {"select PKey BtypHtyp", "Syntax error in FROM clause"},
        {"select PKey from TA_LIST.DBF", "Syntax error in FROM clause"},
        {"select from BtypHtyp", "Syntax error"},
        {"delete from BtypHtyp where TOLVARID = 1", "Invalid SQL statement"},
        {"update BtypHtyp set Biotoptyp = 'X' where PKey = 11", "updateable query"},
        {"select PKey from BtypHtyp where Biotoptyp = ?", "No value given"}};
    for (const auto& [statement, expected] : refused) {
      const long type = statement.find(' ') == std::string::npos ? kCmdTable : kCmdText;
      checkRefused(checks, refusal([&] { firstColumn(database, statement, type); }), expected, statement);
    }
  });

  context.run.run(
      "the change list: parameters and quotes as Jet takes them, updates in the file", [](Checks& checks) {
        const ComApartment apartment;
        const Project project = makeProject();
        DispatchObject changes =
            connect(changeListString(project.directory.substr(0, project.directory.size() - 1)));
        checks.that(firstColumn(changes, "select CHANGED from TA_LIST.DBF where KENNUNG = 'bt-1'") ==
                        std::vector<std::string>{"IGNORED"},
                    "texts compare without regard to case");
        checks.that(firstColumn(changes, "select CHANGED from TA_LIST.DBF where KENNUNG = 'BT-''1'").empty(),
                    "a doubled quote is one quote");
        checkRefused(checks, refusal([&] {
                       firstColumn(changes, "select CHANGED from TA_LIST where KENNUNG = 'BT-1'");
                     }),
                     "cannot find the input table", "a dBase table is named as its file");
        checkRefused(checks, refusal([&] {
                       firstColumn(changes, "select CHANGED from TA_LIST.DBF where KENNUNG = ?");
                     }),
                     "No value given", "a marker without a parameter");
        DispatchObject command = DispatchObject::create(L"ADODB.Command");
        command.putReference(L"ActiveConnection", changes);
        command.put(L"CommandText",
                    Variant::text("update TA_LIST.DBF set CHANGED = 'UPDATE' where KENNUNG = 'BT-1'"));
        command.put(L"CommandType", Variant::integer(kCmdText));
        command.call(L"Execute",
                     variants(Variant::missing(), Variant::missing(), Variant::integer(kCmdText | 0x80)));
        const auto file = wintest::DbaseFile::read(wintest::fromAnsi(project.directory) + L"TA_LIST.DBF");
        checks.that(file.value(0, 1) == "UPDATE" && file.value(1, 1) == "NEW",
                    "the update reaches the file, only there");
      });

  context.run.run("closed objects refuse as ADO does", [](Checks& checks) {
    const ComApartment apartment;
    const Project project = makeProject();
    DispatchObject connection = DispatchObject::create(L"ADODB.Connection");
    checkRefused(checks, refusal([&] { connection.call(L"Close"); }), "object is closed",
                 "closing a closed connection");
    DispatchObject recordset = DispatchObject::create(L"ADODB.Recordset");
    checkRefused(checks, refusal([&] { recordset.get(L"EOF"); }), "object is closed",
                 "EOF of a closed recordset");
    checkRefused(checks, refusal([&] { firstColumn(connection, "BtypHtyp", kCmdTable); }),
                 "either closed or invalid", "a recordset on a closed connection");
    DispatchObject open = connect(projectString(project));
    DispatchObject rows = DispatchObject::create(L"ADODB.Recordset");
    rows.call(L"Open", variants(Variant::text("BtypHtyp"), Variant::object(open), Variant::integer(0),
                                Variant::integer(1), Variant::integer(kCmdTable)));
    open.call(L"Close");
    checkRefused(checks, refusal([&] { rows.get(L"EOF"); }), "object is closed",
                 "a recordset after its connection closed");
    checks.that(
        refusal([&] { open.put(L"ConnectionString", Variant::text(projectString(project))); }).empty(),
        "a closed connection takes a new connection string");
  });
}

}  // namespace facetests
