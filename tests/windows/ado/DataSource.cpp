#include "ado/DataSource.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "TestProject.h"
#include "ado/AdoError.h"
#include "support/DbaseFile.h"
#include "support/JetDatabaseFile.h"
#include "support/Text.h"

namespace adostandin {

namespace {

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(wintest::fromAnsi(path).c_str()); }

using Settings = std::map<std::string, std::string, testhost::CaseInsensitiveLess>;

// Splits a connection string as OLE DB does: keyword=value pairs separated by ';'. A value in
// single or double quotes may hold ';', and its own quote doubled.
Settings settingsOf(const std::string& text) {
  Settings settings;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t equals = text.find('=', at);
    const std::size_t semicolon = std::min(text.find(';', at), text.size());
    if (equals == std::string::npos || semicolon < equals) {
      if (!trimmed(text.substr(at, semicolon - at)).empty())
        throw errors::jet("Could not find installable ISAM.");
      at = semicolon + 1;
      continue;
    }
    const std::string keyword = trimmed(text.substr(at, equals - at));
    const std::size_t first = text.find_first_not_of(' ', equals + 1);
    if (first == std::string::npos || (text[first] != '"' && text[first] != '\'')) {
      settings[keyword] = text.substr(equals + 1, semicolon - equals - 1);
      at = semicolon + 1;
      continue;
    }
    const char quote = text[first];
    std::string value;
    std::size_t i = first + 1;
    for (; i < text.size(); ++i) {
      if (text[i] == quote && (i + 1 >= text.size() || text[i + 1] != quote)) break;
      if (text[i] == quote) ++i;
      value += text[i];
    }
    const std::size_t after = text.find_first_not_of(' ', i + 1);
    if (i >= text.size() || (after != std::string::npos && text[after] != ';'))
      throw errors::jet("Format of the initialization string does not conform to the OLE DB syntax.");
    settings[keyword] = value;
    at = after == std::string::npos ? text.size() : after + 1;
  }
  return settings;
}

// The folder a path names, resolved as Windows resolves it: "Q:" alone is the current folder of
// drive Q, not its root.
std::string fullPathOf(const std::string& path) {
  const std::wstring wide = wintest::fromAnsi(path);
  std::wstring full(MAX_PATH * 4, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  return wintest::ansi(full);
}

bool isDriveRoot(const std::string& path) { return path.size() == 3 && path[1] == ':' && path[2] == '\\'; }

// Jet's dBase driver names tables by their 8.3 file names.
bool isShortName(const std::string& name) {
  const std::size_t dot = name.find('.');
  const std::string stem = name.substr(0, dot);
  const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
  return !stem.empty() && stem.size() <= 8 && extension.size() <= 3 &&
         extension.find('.') == std::string::npos;
}

// Jet's dBase driver keeps texts in the code page of its DataCodePage setting: OEM, the default,
// or ANSI. The file's language-driver byte is not consulted.
UINT dbaseCodePage() {
  wchar_t value[16] = {};
  DWORD size = sizeof(value);
  const bool ansi = RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Jet\\4.0\\Engines\\Xbase",
                                 L"DataCodePage", RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS &&
                    _wcsicmp(value, L"ANSI") == 0;
  return ansi ? CP_ACP : CP_OEMCP;
}

// Why Jet could not open a table file, by what the file system says of it now.
AdoError openFailure(const std::string& file, const std::string& name, bool forWriting) {
  const std::wstring wide = wintest::fromAnsi(file);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return errors::unknownTable(name);
  if (forWriting && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
    return errors::jet("Cannot update.  Database or object is read-only.");
  const HANDLE probe = CreateFileW(wide.c_str(), GENERIC_READ | (forWriting ? GENERIC_WRITE : 0),
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe == INVALID_HANDLE_VALUE)
    return errors::jet("The Microsoft Jet database engine cannot open the file '" + file +
                       "'.  It is already opened exclusively by another user, or you need permission to "
                       "view its data.");
  CloseHandle(probe);
  return errors::jet("External table is not in the expected format.");
}

// The host's attribute tables and their columns, besides PKey and TOLVARID.
const std::map<std::string, std::vector<std::string>, testhost::CaseInsensitiveLess>& attributeTables() {
  static const std::map<std::string, std::vector<std::string>, testhost::CaseInsensitiveLess> tables = {
      {"BtypHtyp",
       {"Biotoptyp", "Oekotyp", "P62_Typ", "Bemerkung", "FLAECHE", "Flaechenanteil", "ist_FFHLRT",
        "ist_P62_typ", "Ges_Fl", "Ges_Proz"}},
      {"Zusatzcodes", {"Zusatzcode"}},
      {"Vegetationstyp", {"Vegetationstyp"}},
      {"Schichtung", {"Schicht"}},
      {"Pflanzenliste", {"Pflanzenart", "Anzahl_klass"}},
      {"Tierliste", {"Tierart"}},
      {"PlanungRelArten", {"PlanRel_T_Art", "PlanRel_P_Art"}},
      {"LINFOS2", {"OffFlaech"}}};
  return tables;
}

class ProjectDatabase final : public DataSource {
 public:
  bool namesFiles() const override { return false; }

  Table table(const std::string& name) override {
    const auto known = attributeTables().find(name);
    if (known == attributeTables().end()) throw errors::unknownTable(name);
    Table table{known->first, {{"PKey", true}, {"TOLVARID", true}}, {}, {}};
    for (const std::string& text : known->second) table.columns.push_back({text, false});
    const auto rows = testhost::testProject().databaseRows(known->first);
    for (const auto& [objectId, row] : rows) {
      std::vector<Cell> cells = {row.key, objectId};
      for (std::size_t i = 2; i < table.columns.size(); ++i) {
        const auto value = row.values.find(table.columns[i].name);
        cells.push_back(value != row.values.end() ? Cell(value->second) : Cell());
      }
      table.rows.push_back(std::move(cells));
    }
    return table;
  }

  void setText(const Table&, std::size_t, std::size_t, const std::string&) override {
    throw errors::jet("Operation must use an updateable query.");
  }
};

class DbaseFolder final : public DataSource {
 public:
  explicit DbaseFolder(std::string directory) : directory_(std::move(directory)) {}

  bool namesFiles() const override { return true; }

  Table table(const std::string& name) override {
    if (!isShortName(name))
      throw errors::jet("'" + name +
                        "' is not a valid name.  Make sure that it does not include invalid characters or "
                        "punctuation and that it is not too long.");
    const std::string file = directory_ + "\\" + name;
    const DWORD attributes = attributesOf(file);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      throw errors::unknownTable(name);
    const wintest::DbaseFile dbase = read(file, name, false);
    Table table{name, {}, {}, {}};
    for (const auto& field : dbase.fields()) table.columns.push_back({field.name, false});
    for (std::size_t record = 0; record < dbase.recordCount(); ++record) {
      if (dbase.deleted(record)) continue;
      std::vector<Cell> cells;
      for (std::size_t field = 0; field < dbase.fields().size(); ++field)
        cells.push_back(wintest::ansi(wintest::decode(codePage_, dbase.value(record, field))));
      table.rows.push_back(std::move(cells));
      table.sourceRows.push_back(record);
    }
    return table;
  }

  void setText(const Table& table, std::size_t row, std::size_t column, const std::string& value) override {
    const std::string file = directory_ + "\\" + table.name;
    // Jet opens a file whose attribute says read-only for reading only, whoever the user is.
    if ((attributesOf(file) & FILE_ATTRIBUTE_READONLY) != 0) throw openFailure(file, table.name, true);
    wintest::DbaseFile dbase = read(file, table.name, true);
    const std::string stored = wintest::encode(codePage_, wintest::fromAnsi(value));
    if (stored.size() > dbase.fields()[column].length)
      throw errors::jet("The field is too small to accept the amount of data you attempted to add.");
    dbase.setValue(table.sourceRows[row], column, stored);
    try {
      dbase.write();
    } catch (const std::runtime_error&) {
      throw openFailure(file, table.name, true);
    }
  }

 private:
  static wintest::DbaseFile read(const std::string& file, const std::string& name, bool forWriting) {
    try {
      return wintest::DbaseFile::read(wintest::fromAnsi(file));
    } catch (const std::runtime_error&) {
      throw openFailure(file, name, forWriting);
    }
  }

  UINT codePage_ = dbaseCodePage();

  std::string directory_;
};

}  // namespace

std::unique_ptr<DataSource> DataSource::open(const std::string& connectionString) {
  Settings settings = settingsOf(connectionString);
  if (!sameName(settings["Provider"], "Microsoft.Jet.OLEDB.4.0")) throw errors::providerNotFound();
  static const std::set<std::string, testhost::CaseInsensitiveLess> known = {
      "Provider", "Data Source", "Persist Security Info", "Extended Properties", "User ID",
      "Password", "Mode"};
  for (const auto& [key, value] : settings)
    if (known.count(key) == 0) throw errors::jet("Could not find installable ISAM.");

  const std::string path = settings["Data Source"];
  const std::string isam = trimmed(settings["Extended Properties"]);
  const DWORD attributes = attributesOf(path);
  if (isam.empty()) {
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      throw errors::jet("Could not find file '" + path + "'.");
    if (!sameName(path, testhost::testProject().projectDatabase()) ||
        !wintest::isJetDatabaseFile(wintest::fromAnsi(path)))
      throw errors::jet("Unrecognized database format '" + path + "'.");
    return std::make_unique<ProjectDatabase>();
  }
  if (!sameName(isam, "DBASE III") && !sameName(isam, "DBASE IV") && !sameName(isam, "dBASE 5.0"))
    throw errors::jet("Could not find installable ISAM.");
  const std::string folder = fullPathOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
      (!path.empty() && path.back() == '\\' && !isDriveRoot(path)))
    throw errors::jet("'" + path +
                      "' is not a valid path.  Make sure that the path name is spelled correctly " +
                      "and that you are connected to the server on which the file resides.");
  return std::make_unique<DbaseFolder>(isDriveRoot(folder) ? folder.substr(0, 2) : folder);
}

}  // namespace adostandin
