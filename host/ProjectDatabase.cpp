#include "ProjectDatabase.h"

#include <unistd.h>

#include "Host.h"
#include "TableTree.h"

namespace host {

namespace {

constexpr const char* kKeyColumn = "PKey";
constexpr const char* kObjectColumn = "TOLVARID";
constexpr const char* kMasterColumn = "MASTERKEY";

bool isLinkColumn(const std::string& column) {
  return equalsIgnoringCase(column, kKeyColumn) || equalsIgnoringCase(column, kObjectColumn) ||
         equalsIgnoringCase(column, kMasterColumn);
}

std::string columnList(const AttributeTable& table) {
  std::string list = std::string(kKeyColumn) + ", " + kObjectColumn;
  if (table.hasMasterKey()) list += std::string(", ") + kMasterColumn;
  for (const std::string& column : table.columns()) list += ", " + quoteIdentifier(column);
  return list;
}

std::optional<AttributeTable> describeTable(SqliteDatabase& db, const std::string& name) {
  auto info = db.prepare("PRAGMA table_info(" + quoteIdentifier(name) + ")");
  std::vector<std::string> columns;
  bool hasKey = false, hasObject = false, hasMaster = false;
  while (info.step()) {
    const std::string column = info.text(1).value_or("");
    hasKey = hasKey || equalsIgnoringCase(column, kKeyColumn);
    hasObject = hasObject || equalsIgnoringCase(column, kObjectColumn);
    hasMaster = hasMaster || equalsIgnoringCase(column, kMasterColumn);
    if (!isLinkColumn(column)) columns.push_back(column);
  }
  if (!hasKey || !hasObject) return std::nullopt;
  return AttributeTable(name, parentTableOf(name), std::move(columns), hasMaster);
}

void loadRows(SqliteDatabase& db, AttributeTable& table) {
  auto select = db.prepare("SELECT " + columnList(table) + " FROM " + quoteIdentifier(table.name()) +
                           " ORDER BY " + kKeyColumn);
  const int firstText = table.hasMasterKey() ? 3 : 2;
  while (select.step()) {
    StoredRow row;
    row.key = select.integer(0);
    row.objectId = static_cast<std::int32_t>(select.integer(1));
    if (table.hasMasterKey() && !select.isNull(2)) row.masterKey = select.integer(2);
    for (int i = firstText; i < select.columnCount(); ++i) row.values.push_back(select.text(i));
    table.insert(std::move(row));
  }
}

}  // namespace

std::string quoteIdentifier(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

namespace {

// A project the process may not write to (a write-protected folder or file, a read-only medium) is
// still read, as it stands.
bool writable(const std::filesystem::path& file) {
  return access(file.c_str(), W_OK) == 0 && access(file.parent_path().c_str(), W_OK) == 0;
}

}  // namespace

ProjectDatabase::ProjectDatabase(const std::filesystem::path& file)
    : readOnly_(!writable(std::filesystem::absolute(file))),
      db_(file, readOnly_ ? SqliteDatabase::Mode::ReadOnly : SqliteDatabase::Mode::OpenExisting) {
  if (!readOnly_) db_.exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
  // Another writer's lock is waited for as database clients do, so a short one costs a moment and
  // no failure; beginIfNeeded waits once per operation, not once per row.
  sqlite3_busy_timeout(db_.handle(), kLockWaitMilliseconds);
  dataVersion_ = readDataVersion();
}

std::int64_t ProjectDatabase::readDataVersion() {
  auto version = db_.prepare("PRAGMA data_version");
  if (!version.step()) db_.fail("Datenstand unbekannt");
  return version.integer(0);
}

bool ProjectDatabase::changedElsewhere() {
  const std::int64_t version = readDataVersion();
  const bool changed = version != dataVersion_;
  dataVersion_ = version;
  return changed;
}

void ProjectDatabase::create(const std::filesystem::path& file, const std::vector<AttributeTable>& tables) {
  SqliteDatabase db(file, SqliteDatabase::Mode::Create);
  // Small pages keep test and demo projects small.
  db.exec("PRAGMA page_size=512; PRAGMA journal_mode=WAL; BEGIN");
  for (const AttributeTable& table : tables) {
    std::string sql = "CREATE TABLE " + quoteIdentifier(table.name()) + " (" + kKeyColumn +
                      " INTEGER PRIMARY KEY, " + kObjectColumn + " INTEGER NOT NULL";
    if (table.hasMasterKey()) sql += std::string(", ") + kMasterColumn + " INTEGER";
    for (const std::string& column : table.columns()) sql += ", " + quoteIdentifier(column) + " TEXT";
    db.exec(sql + ")");
    db.exec("CREATE INDEX " + quoteIdentifier(table.name() + "_TOLVARID") + " ON " +
            quoteIdentifier(table.name()) + " (" + kObjectColumn + ")");
  }
  db.exec("COMMIT");
}

TableMap ProjectDatabase::loadTables() {
  std::vector<std::string> names;
  auto list = db_.prepare("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'");
  while (list.step()) names.push_back(list.text(0).value_or(""));
  TableMap tables;
  for (const std::string& name : names) {
    auto table = describeTable(db_, name);
    if (!table) continue;
    loadRows(db_, *table);
    std::string folded = table->foldedName();
    tables.emplace(std::move(folded), std::move(*table));
  }
  return tables;
}

void ProjectDatabase::beginIfNeeded() {
  if (inTransaction_) return;
  if (readOnly_) throw HostError("Die Projektdatenbank ist schreibgeschützt.");
  if (lockRefused_) throw HostError(*lockRefused_);
  try {
    db_.exec("BEGIN IMMEDIATE");
  } catch (const HostError& e) {
    // The operation is rolled back anyway; its further writes fail at once.
    lockRefused_ = e.what();
    throw;
  }
  // Holding the write lock, nobody can commit now; but someone may have since memory was loaded.
  if (readDataVersion() != dataVersion_) {
    db_.exec("ROLLBACK");
    throw HostError(
        "Ein anderes Programm hat die Projektdatenbank inzwischen geändert; nichts wurde geschrieben, bitte "
        "wiederholen");
  }
  inTransaction_ = true;
}

SqliteStatement& ProjectDatabase::statement(const std::string& sql) {
  auto it = statements_.find(sql);
  if (it == statements_.end()) it = statements_.emplace(sql, db_.prepare(sql)).first;
  it->second.reset();  // a failed step may have left it running
  return it->second;
}

void ProjectDatabase::insertRow(const AttributeTable& table, const StoredRow& row) {
  beginIfNeeded();
  const std::size_t count = 2 + (table.hasMasterKey() ? 1 : 0) + table.columns().size();
  std::string placeholders = "?";
  for (std::size_t i = 1; i < count; ++i) placeholders += ", ?";
  auto& insert = statement("INSERT INTO " + quoteIdentifier(table.name()) + " (" + columnList(table) +
                           ") VALUES (" + placeholders + ")");
  int index = 1;
  insert.bind(index++, row.key);
  insert.bind(index++, static_cast<std::int64_t>(row.objectId));
  if (table.hasMasterKey()) {
    row.masterKey ? insert.bind(index++, *row.masterKey) : insert.bind(index++, Value());
  }
  for (const Value& value : row.values) insert.bind(index++, value);
  insert.run();
}

void ProjectDatabase::updateValue(const AttributeTable& table, std::int64_t key, std::size_t column,
                                  const Value& value) {
  beginIfNeeded();
  auto& update = statement("UPDATE " + quoteIdentifier(table.name()) + " SET " +
                           quoteIdentifier(table.columns().at(column)) + " = ? WHERE " + kKeyColumn + " = ?");
  update.bind(1, value);
  update.bind(2, key);
  update.run();
}

void ProjectDatabase::deleteRow(const AttributeTable& table, std::int64_t key) {
  beginIfNeeded();
  auto& remove = statement("DELETE FROM " + quoteIdentifier(table.name()) + " WHERE " + kKeyColumn + " = ?");
  remove.bind(1, key);
  remove.run();
}

void ProjectDatabase::finish(bool commit) {
  lockRefused_.reset();
  if (!inTransaction_) return;
  inTransaction_ = false;
  db_.exec(commit ? "COMMIT" : "ROLLBACK");
}

void ProjectDatabase::checkpoint() {
  if (sqlite3_wal_checkpoint_v2(db_.handle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr) !=
      SQLITE_OK) {
    db_.fail("Checkpoint fehlgeschlagen");
  }
}

}  // namespace host
