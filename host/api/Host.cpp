#include "Host.h"

#include <algorithm>

#include "ChangeList.h"
#include "HostApiBarrier.h"
#include "ObjectsFile.h"
#include "ProjectDatabase.h"
#include "Session.h"
#include "TableTree.h"
#include "UnnamedResults.h"
#include "Windows1252.h"

namespace host {

using host::ansiToUtf8;
using host::utf8ToAnsi;

namespace {

Row rowOf(const AttributeTable& table, const StoredRow& stored) {
  Row row{stored.key, stored.objectId, stored.masterKey, {}};
  for (std::size_t i = 0; i < table.columns().size(); ++i) row.fields[table.columns()[i]] = stored.values[i];
  return row;
}

// Standard tables in tree order, then the project's own tables by name.
std::vector<const AttributeTable*> tablesInTreeOrder(const AttributeStore& store) {
  std::vector<const AttributeTable*> ordered;
  for (const StandardTable& standard : standardTables()) {
    if (const AttributeTable* table = store.table(standard.name)) ordered.push_back(table);
  }
  for (const auto& [name, table] : store.tables()) {
    if (std::find(ordered.begin(), ordered.end(), &table) == ordered.end()) ordered.push_back(&table);
  }
  return ordered;
}

std::vector<RowNode> nodesBelow(const AttributeStore& store, const AttributeTable& table,
                                std::int32_t objectId, std::int64_t key) {
  std::vector<RowNode> nodes;
  for (const AttributeTable* child : tablesInTreeOrder(store)) {
    if (!child->parent() || !equalsIgnoringCase(*child->parent(), table.name())) continue;
    for (std::int64_t childKey : child->keysBelow(objectId, key)) {
      nodes.push_back({child->name(), rowOf(*child, *child->find(childKey)),
                       nodesBelow(store, *child, objectId, childKey)});
    }
  }
  return nodes;
}

ObjectSummary summaryOf(const GeosContext& geos, const GeoObject& object) {
  return {object.id,
          object.kennung,
          object.classCode,
          static_cast<std::int32_t>(geos.geoType(object.geometry)),
          geos.areaHectares(object.geometry),
          object.temporary};
}

// A detail row stands at the top when its object has no parent row for it.
bool isTopLevel(const AttributeStore& store, const AttributeTable& table, const StoredRow& row) {
  if (!table.parent()) return true;
  const AttributeTable* parent = store.table(*table.parent());
  const StoredRow* parentRow = parent != nullptr && row.masterKey ? parent->find(*row.masterKey) : nullptr;
  return parentRow == nullptr || parentRow->objectId != row.objectId;
}

}  // namespace

std::string Row::value(const std::string& field) const {
  auto it = fields.find(field);
  return it == fields.end() ? std::string() : it->second.value_or("");
}

Host::Host() : session_(std::make_unique<Session>()) {
  setUnnamedResults(unnamedResultsFromEnvironment());
  setCurrentSession(session_.get());
}

Host::Host(const std::filesystem::path& projectDir) : Host() { open(projectDir); }

Host::~Host() {
  if (currentSession() == session_.get()) setCurrentSession(nullptr);
}

void Host::beginAtomic() { session_->enter(); }

void Host::endAtomic(bool ok) {
  if (auto failure = session_->leave(ok); failure && ok) {
    throw HostError(*failure + " (Änderungen zurückgenommen)");
  }
}

void Host::open(const std::filesystem::path& projectDir) {
  session_->open(projectDir);
  setCurrentSession(session_.get());
}

bool Host::isOpen() const { return session_->isOpen(); }
std::filesystem::path Host::projectDir() const { return session_->project().dir; }
std::filesystem::path Host::databasePath() const { return projectDir() / kDatabaseFileName; }
std::filesystem::path Host::changeListPath() const { return projectDir() / kChangeListFileName; }
void Host::reportProjectDatabase(const std::filesystem::path& file) { session_->reportedDatabase = file; }

void Host::loadPlugin(const std::filesystem::path& sharedObject) { session_->loadPlugin(sharedObject); }
bool Host::pluginLoaded() const { return session_->plugin() != nullptr; }

void Host::requireWritable(const std::string& what) const {
  if (!session_->project().database.readOnly()) return;
  throw HostError("Das Projekt " + projectDir().string() + " ist schreibgeschützt; " + what +
                  " wurde nicht ausgeführt.");
}

std::int16_t Host::runExport(const std::string& exportName, std::intptr_t a1, std::intptr_t a2,
                             std::intptr_t a3) {
  requireWritable(exportName);
  std::int16_t result = 0;
  atomically([&] { result = session_->requirePlugin().require(exportName)(a1, a2, a3); });
  return result;
}

void Host::select(const std::vector<std::string>& kennungen) {
  std::vector<std::int32_t> ids;
  for (const std::string& kennung : kennungen) {
    const std::int32_t id = idOf(kennung);
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  }
  session_->selection = std::move(ids);
}

std::vector<std::string> Host::selection() const {
  std::vector<std::string> kennungen;
  for (std::int32_t id : session_->selection)
    kennungen.push_back(session_->project().objects.find(id)->kennung);
  return kennungen;
}

void Host::setActive(const std::string& kennung) {
  atomically([&] { session_->setActive(session_->requireObject(kennung).id); });
}

std::optional<std::string> Host::active() const {
  const GeoObject* object = session_->project().objects.find(session_->project().cursors.activeObject());
  return object != nullptr ? std::optional<std::string>(object->kennung) : std::nullopt;
}

std::string Host::editField(const std::string& kennung, const std::string& table, std::int64_t key,
                            const std::string& field, const std::string& value) {
  requireWritable("edit " + kennung);
  std::string stored = value;
  atomically([&] {
    OpenProject& project = session_->project();
    const GeoObject& object = session_->requireObject(kennung);
    const AttributeTable* t = project.store.table(table);
    if (t == nullptr) throw HostError("Unbekannte Tabelle '" + table + "'");
    const StoredRow* row = t->find(key);
    if (row == nullptr || row->objectId != object.id) {
      throw HostError(t->name() + " hat keine Zeile mit PKey " + std::to_string(key) + " für '" + kennung +
                      "'");
    }
    if (!t->columnIndex(field)) throw HostError(t->name() + " hat kein Feld '" + field + "'");
    session_->setActive(object.id);
    project.cursors.positionOn(t->name(), key);
    if (auto handler = session_->handlerFor(t->name(), field)) {
      stored = ansiToUtf8(session_->callHandler(*handler, utf8ToAnsi(value)));
    }
    project.cursors.setValueByKey(key, t->name(), field, stored);
  });
  return stored;
}

void Host::setNotifyOwnWrites(bool on) { session_->notifyOwnWrites = on; }
bool Host::notifyOwnWrites() const { return session_->notifyOwnWrites; }
std::map<std::string, std::string, CaseInsensitiveLess> Host::handlers() const {
  return session_->project().config.handlers;
}

std::int32_t Host::addObject(const std::string& kennung, std::int32_t classCode, const std::string& wkt) {
  requireWritable("Hinzufügen von " + kennung);
  if (kennung.empty()) throw HostError("Ein Objekt braucht eine Kennung.");
  std::int32_t id = 0;
  atomically([&] {
    const GeosContext& geos = session_->geos();
    GeoObject object{session_->project().objects.nextFreeId(), kennung, classCode, {}, "null", false};
    if (!wkt.empty()) {
      object.geometry = geos.fromWkt(wkt);
      object.geometryJson = geos.toGeoJson(object.geometry);
      repairIfInvalid(object, geos);
    }
    id = object.id;
    session_->addObject(std::move(object));
  });
  return id;
}

std::int64_t Host::addRow(const std::string& kennung, const std::string& table, const FieldValues& fields) {
  requireWritable("Hinzufügen einer Zeile zu " + kennung);
  std::int64_t key = 0;
  atomically([&] {
    AttributeStore& store = session_->project().store;
    const AttributeTable* t = store.table(table);
    if (t == nullptr) throw HostError("Unbekannte Tabelle '" + table + "'");
    std::vector<Value> values(t->columns().size());
    for (const auto& [field, value] : fields) {
      auto column = t->columnIndex(field);
      if (!column) throw HostError(t->name() + " hat kein Feld '" + field + "'");
      values[*column] = value;
    }
    key = store.insert(*t, session_->requireObject(kennung).id, std::nullopt, std::move(values));
  });
  return key;
}

std::vector<std::string> Host::columnsOf(const std::string& table) const {
  const AttributeTable* t = session_->project().store.table(table);
  if (t == nullptr) throw HostError("Unbekannte Tabelle '" + table + "'");
  return t->columns();
}

std::vector<ObjectSummary> Host::objects() const {
  std::vector<ObjectSummary> summaries;
  for (const auto& [id, object] : session_->project().objects.all())
    summaries.push_back(summaryOf(session_->geos(), object));
  return summaries;
}

ObjectSummary Host::object(const std::string& kennung) const {
  return summaryOf(session_->geos(), session_->requireObject(kennung));
}

std::int32_t Host::idOf(const std::string& kennung) const { return session_->requireObject(kennung).id; }

bool Host::exists(const std::string& kennung) const {
  return session_->project().objects.findByKennung(kennung) != nullptr;
}

std::vector<Row> Host::rows(const std::string& kennung, const std::string& table) const {
  const std::int32_t id = idOf(kennung);
  const AttributeTable* t = session_->project().store.table(table);
  if (t == nullptr) throw HostError("Unbekannte Tabelle '" + table + "'");
  std::vector<Row> result;
  for (std::int64_t key : t->keysOf(id)) result.push_back(rowOf(*t, *t->find(key)));
  return result;
}

std::vector<RowNode> Host::tree(const std::string& kennung) const {
  const std::int32_t id = idOf(kennung);
  const AttributeStore& store = session_->project().store;
  std::vector<RowNode> nodes;
  for (const AttributeTable* table : tablesInTreeOrder(store)) {
    for (std::int64_t key : table->keysOf(id)) {
      const StoredRow& row = *table->find(key);
      if (isTopLevel(store, *table, row)) {
        nodes.push_back({table->name(), rowOf(*table, row), nodesBelow(store, *table, id, key)});
      }
    }
  }
  return nodes;
}

std::vector<std::string> Host::tableNames() const {
  std::vector<std::string> names;
  for (const AttributeTable* table : tablesInTreeOrder(session_->project().store))
    names.push_back(table->name());
  return names;
}

std::int64_t Host::callCount(const std::string& function) const {
  auto it = session_->counts().find(function);
  return it == session_->counts().end() ? 0 : it->second;
}

std::map<std::string, std::int64_t> Host::callCounts() const {
  const Session::CallCounts& counts = session_->counts();
  return {counts.begin(), counts.end()};
}
void Host::resetCallCounts() {
  session_->counts().clear();
  session_->hostCallTime = {};
}

double Host::hostCallSeconds() const { return std::chrono::duration<double>(session_->hostCallTime).count(); }
void Host::failCall(std::int64_t n) { host::failCall(n); }
std::string Host::failedCall() const { return callFault().failed; }

void Host::setCallObserver(std::function<void(const std::string& function)> observer) {
  session_->callObserver = std::move(observer);
}

const std::vector<std::string>& Host::reportedFailures() const { return session_->reportedFailures(); }

int Host::updateDepth() const { return session_->updateDepth; }
bool Host::updateUnbalanced() const { return session_->updateUnbalanced || session_->updateDepth != 0; }
void Host::resetUpdateBrackets() {
  session_->updateDepth = 0;
  session_->updateUnbalanced = false;
}

void Host::save() { session_->project().database.checkpoint(); }

Session& Host::session() { return *session_; }

}  // namespace host
