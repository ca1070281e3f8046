// The project database file: one SQL table per attribute table with PKey, TOLVARID, MASTERKEY (detail
// tables) and text columns. WAL mode, so that the plug-in's own read-only connection reads the last
// committed state while the host writes.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "AttributeTable.h"
#include "Sqlite.h"
#include "TextCase.h"

namespace host {

inline constexpr const char* kDatabaseFileName = "projekt.sqlite";
// How long a write waits for another writer's lock before the operation fails.
inline constexpr int kLockWaitMilliseconds = 5000;

// By folded name (AttributeTable::foldedName), so lookups compare no letter case.
using TableMap = std::map<std::string, AttributeTable>;

class ProjectDatabase {
 public:
  // Opened read-only when the process may not write the file or its folder.
  explicit ProjectDatabase(const std::filesystem::path& file);
  bool readOnly() const { return readOnly_; }

  // Creates a new database file with these (empty) tables.
  static void create(const std::filesystem::path& file, const std::vector<AttributeTable>& tables);

  // Every table that has the columns PKey and TOLVARID, with all rows.
  TableMap loadTables();

  // Whether another connection (another tolvar, the sqlite3 tool) committed since the last call, or
  // since opening. The host then reloads before it reads or writes again.
  bool changedElsewhere();

  // Writes start a transaction if none is open; finish() ends it. A write throws HostError, and
  // writes nothing, when another connection committed since changedElsewhere() was last asked:
  // the memory it would write from is stale.
  void insertRow(const AttributeTable& table, const StoredRow& row);
  void updateValue(const AttributeTable& table, std::int64_t key, std::size_t column, const Value& value);
  void deleteRow(const AttributeTable& table, std::int64_t key);
  void finish(bool commit);
  void checkpoint();

 private:
  bool readOnly_;
  SqliteDatabase db_;
  bool inTransaction_ = false;
  std::optional<std::string> lockRefused_;  // why this operation could not begin writing
  std::int64_t dataVersion_;
  std::int64_t readDataVersion();
  // Prepared once per SQL text: a row write is then a bind and a step.
  std::map<std::string, SqliteStatement> statements_;
  void beginIfNeeded();
  SqliteStatement& statement(const std::string& sql);
};

// "name" with inner quotes doubled.
std::string quoteIdentifier(const std::string& name);

}  // namespace host
