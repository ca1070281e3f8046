#include "ado/DataSource.h"

#include <windows.h>

#include <map>
#include <set>
#include <stdexcept>

#include "TestProject.h"
#include "ado/AdoError.h"
#include "support/DbaseFile.h"
#include "support/Text.h"

namespace adostandin {

namespace {

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(wintest::fromAnsi(path).c_str()); }

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
    const std::string file = directory_ + "\\" + name;
    const DWORD attributes = attributesOf(file);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      throw errors::unknownTable(name);
    const wintest::DbaseFile dbase = read(file);
    Table table{name, {}, {}, {}};
    for (const auto& field : dbase.fields()) table.columns.push_back({field.name, false});
    for (std::size_t record = 0; record < dbase.recordCount(); ++record) {
      if (dbase.deleted(record)) continue;
      std::vector<Cell> cells;
      for (std::size_t field = 0; field < dbase.fields().size(); ++field)
        cells.push_back(dbase.value(record, field));
      table.rows.push_back(std::move(cells));
      table.sourceRows.push_back(record);
    }
    return table;
  }

  void setText(const Table& table, std::size_t row, std::size_t column, const std::string& value) override {
    wintest::DbaseFile dbase = read(directory_ + "\\" + table.name);
    if (value.size() > dbase.fields()[column].length)
      throw errors::jet("The field is too small to accept the amount of data you attempted to add.");
    dbase.setValue(table.sourceRows[row], column, value);
    try {
      dbase.write();
    } catch (const std::runtime_error& failure) {
      throw errors::jet(failure.what());
    }
  }

 private:
  static wintest::DbaseFile read(const std::string& file) {
    try {
      return wintest::DbaseFile::read(wintest::fromAnsi(file));
    } catch (const std::runtime_error& failure) {
      throw errors::jet(failure.what());
    }
  }

  std::string directory_;
};

}  // namespace

std::unique_ptr<DataSource> DataSource::open(const std::string& connectionString) {
  std::map<std::string, std::string, testhost::CaseInsensitiveLess> settings;
  std::size_t start = 0;
  while (start <= connectionString.size()) {
    const std::size_t end = std::min(connectionString.find(';', start), connectionString.size());
    const std::string part = connectionString.substr(start, end - start);
    start = end + 1;
    if (trimmed(part).empty()) continue;
    const std::size_t equals = part.find('=');
    if (equals == std::string::npos) throw errors::jet("Could not find installable ISAM.");
    settings[trimmed(part.substr(0, equals))] = part.substr(equals + 1);
  }
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
    if (!sameName(path, testhost::testProject().projectDatabase()))
      throw errors::jet("Unrecognized database format '" + path + "'.");
    return std::make_unique<ProjectDatabase>();
  }
  if (!sameName(isam, "DBASE III") && !sameName(isam, "DBASE IV") && !sameName(isam, "dBASE 5.0"))
    throw errors::jet("Could not find installable ISAM.");
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
      (!path.empty() && path.back() == '\\'))
    throw errors::jet("'" + path +
                      "' is not a valid path.  Make sure that the path name is spelled correctly " +
                      "and that you are connected to the server on which the file resides.");
  return std::make_unique<DbaseFolder>(path);
}

}  // namespace adostandin
