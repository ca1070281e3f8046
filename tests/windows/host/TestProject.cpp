#include "TestProject.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace testhost {

namespace {

bool sameName(const std::string& left, const std::string& right) {
  return !CaseInsensitiveLess()(left, right) && !CaseInsensitiveLess()(right, left);
}

// Detail tables show and receive only the rows of their parent table's current row.
std::string parentTableOf(const std::string& table) {
  static const std::map<std::string, std::string, CaseInsensitiveLess> parents = {
      {"Zusatzcodes", "BtypHtyp"},     {"Vegetationstyp", "BtypHtyp"}, {"Schichtung", "Vegetationstyp"},
      {"Pflanzenliste", "Schichtung"}, {"Tierliste", "Schichtung"},    {"PlanungRelArten", "Schichtung"}};
  const auto parent = parents.find(table);
  return parent != parents.end() ? parent->second : std::string();
}

std::vector<std::string> detailTablesOf(const std::string& table) {
  static const std::vector<std::string> all = {"Zusatzcodes",   "Vegetationstyp", "Schichtung",
                                               "Pflanzenliste", "Tierliste",      "PlanungRelArten"};
  std::vector<std::string> details;
  for (const auto& candidate : all)
    if (sameName(parentTableOf(candidate), table)) details.push_back(candidate);
  return details;
}

}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& left, const std::string& right) const {
  return std::lexicographical_compare(
      left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) < std::tolower(static_cast<unsigned char>(b));
      });
}

TestProject& testProject() {
  static TestProject project;
  return project;
}

void TestProject::reset(const std::string& projectDirectory, const std::string& projectDatabase,
                        intptr_t window) {
  *this = TestProject();
  projectDirectory_ = projectDirectory;
  projectDatabase_ = projectDatabase;
  window_ = window;
}

int32_t TestProject::addObject(const std::string& kennung, int32_t classCode, double area, int32_t geoType) {
  objects_.push_back(Object{nextId_, kennung, classCode, geoType, area});
  return nextId_++;
}

int32_t TestProject::addRow(int32_t objectId, const std::string& table, const Values& values,
                            int32_t parentKey, int32_t key) {
  if (key == 0) key = nextKey_;
  nextKey_ = std::max(nextKey_, key + 1);
  tableOf(objectId, table).push_back(Row{key, parentKey, values});
  if (objectId == active_) cursors_.clear();
  return key;
}

void TestProject::select(const std::vector<int32_t>& ids) { selection_ = ids; }

void TestProject::activate(int32_t id) { setActive(id); }

std::vector<Row> TestProject::rows(int32_t objectId, const std::string& table) const {
  const auto object = tables_.find(objectId);
  if (object == tables_.end()) return {};
  const auto rows = object->second.find(table);
  return rows != object->second.end() ? rows->second : std::vector<Row>();
}

bool TestProject::called(const std::string& logLine) const {
  return std::find(calls_.begin(), calls_.end(), logLine) != calls_.end();
}

void TestProject::log(const std::string& line) {
  calls_.push_back(line);
  if (observer_) observer_(line);
}

bool TestProject::setActive(int32_t id) {
  if (object(id) == nullptr) return false;
  active_ = id;
  cursors_.clear();  // tables open anew on their first row
  return true;
}

const TestProject::Object* TestProject::object(int32_t id) const {
  const auto found =
      std::find_if(objects_.begin(), objects_.end(), [id](const Object& o) { return o.id == id; });
  return found != objects_.end() ? &*found : nullptr;
}

const std::string* TestProject::kennungOf(int32_t id) const {
  const Object* found = object(id);
  return found != nullptr ? &found->kennung : nullptr;
}

int32_t TestProject::classOf(int32_t id) const {
  const Object* found = object(id);
  return found != nullptr ? found->classCode : -1;
}

int32_t TestProject::geoTypeOf(int32_t id) const {
  const Object* found = object(id);
  return found != nullptr ? found->geoType : -1;
}

double TestProject::areaOf(int32_t id) const {
  const Object* found = object(id);
  return found != nullptr ? found->area : 0;
}

int32_t TestProject::idOf(const std::string& kennung) const {
  const auto found =
      std::find_if(objects_.begin(), objects_.end(), [&](const Object& o) { return o.kennung == kennung; });
  return found != objects_.end() ? found->id : 0;
}

bool TestProject::deleteObject(int32_t id) {
  const auto found =
      std::find_if(objects_.begin(), objects_.end(), [id](const Object& o) { return o.id == id; });
  if (found == objects_.end()) return false;
  objects_.erase(found);
  tables_.erase(id);
  std::erase(selection_, id);
  if (active_ == id) active_ = 0;
  return true;
}

// Calls the export once per selected object, as the host does, with a record that is only
// valid during the call.
bool TestProject::iterateSelection(const char* module, const char* exportName) {
  const HMODULE library = GetModuleHandleA(module);
  if (library == nullptr) return false;
  const auto callback =
      reinterpret_cast<TLExportProc>(reinterpret_cast<void*>(GetProcAddress(library, exportName)));
  if (callback == nullptr) return false;
  for (const int32_t id : std::vector<int32_t>(selection_)) {
    const Object* selected = object(id);
    if (selected == nullptr) continue;
    std::string kennung = selected->kennung;
    TObjectInfo info{0, kennung.data(), selected->classCode, id};
    callback(reinterpret_cast<intptr_t>(&info), 0, 0);
  }
  return true;
}

std::vector<Row>& TestProject::tableOf(int32_t objectId, const std::string& table) {
  return tables_[objectId][table];
}

std::vector<Row*> TestProject::visibleRows(const std::string& table) {
  const std::string parent = parentTableOf(table);
  const int32_t parentKey = parent.empty() ? 0 : cursor(parent).key;
  std::vector<Row*> visible;
  if (!parent.empty() && parentKey == 0) return visible;
  for (Row& row : tableOf(active_, table))
    if (row.parentKey == parentKey) visible.push_back(&row);
  return visible;
}

TestProject::Cursor& TestProject::cursor(const std::string& table) {
  const auto existing = cursors_.find(table);
  if (existing != cursors_.end()) return existing->second;
  const std::vector<Row*> rows = visibleRows(table);
  const Cursor opened = rows.empty() ? Cursor{} : Cursor{rows.front()->key, true, false};
  return cursors_.emplace(table, opened).first->second;
}

Row* TestProject::currentRow(const std::string& table) {
  const int32_t key = cursor(table).key;
  if (key == 0) return nullptr;
  for (Row* row : visibleRows(table))
    if (row->key == key) return row;
  return nullptr;
}

Row* TestProject::rowByKey(int32_t key, const std::string& table) {
  for (auto& [objectId, tables] : tables_) {
    const auto rows = tables.find(table);
    if (rows == tables.end()) continue;
    for (Row& row : rows->second)
      if (row.key == key) return &row;
  }
  return nullptr;
}

std::optional<std::string> TestProject::fieldOf(const Row& row, const std::string& field) {
  if (sameName(field, "PKEY")) return std::to_string(row.key);
  const auto value = row.values.find(field);
  return value != row.values.end() ? value->second : std::string();
}

void TestProject::positionAt(const std::string& table, const std::vector<Row*>& rows, std::size_t index,
                             bool bof, bool eof) {
  cursor(table) = Cursor{rows[index]->key, bof, eof};
  followParent(table);
}

// A detail table opens anew on its first row whenever its parent's current row changes.
void TestProject::followParent(const std::string& parentTable) {
  for (const std::string& detail : detailTablesOf(parentTable)) {
    cursors_.erase(detail);
    followParent(detail);
  }
}

void TestProject::eraseWithDetails(int32_t objectId, const std::string& table, int32_t key) {
  std::erase_if(tableOf(objectId, table), [key](const Row& row) { return row.key == key; });
  for (const std::string& detail : detailTablesOf(table)) {
    std::vector<int32_t> children;
    for (const Row& row : tableOf(objectId, detail))
      if (row.parentKey == key) children.push_back(row.key);
    for (const int32_t child : children) eraseWithDetails(objectId, detail, child);
  }
}

int32_t TestProject::recordCount(const std::string& table) {
  return static_cast<int32_t>(visibleRows(table).size());
}

bool TestProject::first(const std::string& table) { return positionAtEnd(table, true); }

bool TestProject::last(const std::string& table) { return positionAtEnd(table, false); }

// First sets BOF and Last sets EOF, as the host's datasets do; the contract leaves both open, and
// the simulated host sets neither, so the plug-in is tested against both ways.
bool TestProject::positionAtEnd(const std::string& table, bool first) {
  const std::vector<Row*> rows = visibleRows(table);
  if (rows.empty()) {
    cursor(table) = Cursor{};
    followParent(table);
  } else {
    positionAt(table, rows, first ? 0 : rows.size() - 1, first, !first);
  }
  return true;
}

bool TestProject::next(const std::string& table) {
  const std::vector<Row*> rows = visibleRows(table);
  const int32_t key = cursor(table).key;
  const auto current =
      std::find_if(rows.begin(), rows.end(), [key](const Row* row) { return row->key == key; });
  if (current == rows.end() || current + 1 == rows.end()) {
    cursor(table).eof = true;
    return true;
  }
  positionAt(table, rows, static_cast<std::size_t>(current - rows.begin()) + 1, false, false);
  return true;
}

bool TestProject::atEnd(const std::string& table) { return cursor(table).eof; }

bool TestProject::atStart(const std::string& table) { return cursor(table).bof; }

bool TestProject::append(const std::string& table) {
  if (active_ == 0) return false;
  const std::string parent = parentTableOf(table);
  const int32_t parentKey = parent.empty() ? 0 : cursor(parent).key;
  if (!parent.empty() && parentKey == 0) return false;
  const int32_t key = nextKey_++;
  tableOf(active_, table).push_back(Row{key, parentKey, {}});
  cursor(table) = Cursor{key, false, false};
  followParent(table);
  return true;
}

// Leaves the cursor on the row after the deleted one, or on the row before it when it was
// the last; an emptied table reports both its start and its end.
bool TestProject::deleteRecord(const std::string& table, int32_t key) {
  auto& rows = tableOf(active_, table);
  if (std::none_of(rows.begin(), rows.end(), [key](const Row& row) { return row.key == key; })) return false;
  const std::vector<Row*> before = visibleRows(table);
  const auto position =
      std::find_if(before.begin(), before.end(), [key](const Row* row) { return row->key == key; });
  const bool wasCurrent = cursor(table).key == key;
  eraseWithDetails(active_, table, key);
  if (!wasCurrent) return true;
  const std::vector<Row*> after = visibleRows(table);
  if (after.empty()) {
    cursor(table) = Cursor{};
    followParent(table);
    return true;
  }
  const auto index = static_cast<std::size_t>(position - before.begin());
  positionAt(table, after, std::min(index, after.size() - 1), false, false);
  return true;
}

std::optional<std::string> TestProject::value(const std::string& table, const std::string& field) {
  const Row* row = currentRow(table);
  if (row == nullptr) return std::nullopt;
  return fieldOf(*row, field);
}

bool TestProject::setValue(const std::string& table, const std::string& field, const std::string& value) {
  Row* row = currentRow(table);
  if (row == nullptr) return false;
  row->values[field] = value;
  return true;
}

std::optional<std::string> TestProject::valueByKey(int32_t key, const std::string& table,
                                                   const std::string& field) {
  const Row* row = rowByKey(key, table);
  if (row == nullptr) return std::nullopt;
  return fieldOf(*row, field);
}

bool TestProject::setValueByKey(int32_t key, const std::string& table, const std::string& field,
                                const std::string& value) {
  Row* row = rowByKey(key, table);
  if (row == nullptr) return false;
  row->values[field] = value;
  return true;
}

}  // namespace testhost
