// The simulated host's store: a SQLite 3 file holding one table per attribute table, with an
// index on TOLVARID.
#include <sqlite3.h>

#include "common/LibraryError.h"
#include "platform/linux/ProjectDatabaseFiles.h"

namespace aggregate::platform {

namespace {

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// Quoted, so that no name can change the statement.
std::string quoted(const std::string& name) {
  std::string text = "\"";
  for (char c : name) text += c == '"' ? std::string("\"\"") : std::string(1, c);
  return text + "\"";
}

class SqliteProjectDatabase final : public ProjectDatabase {
 public:
  explicit SqliteProjectDatabase(const std::string& path) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    db_.reset(db);
    if (rc != SQLITE_OK) fail();
    // A quoted name that matches no column must fail, not be read as a text.
    sqlite3_db_config(db_.get(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    // The host may be committing while the plug-in reads.
    sqlite3_busy_timeout(db_.get(), 2000);
  }

  // Opening reads nothing yet: whether the file is a database, and one whose catalog can be
  // read, is found here, not at the first question. False when it is no SQLite database.
  bool holdsDatabase(const std::string& path) {
    const int rc = sqlite3_exec(db_.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_NOTADB) return false;
    if (rc != SQLITE_OK) fail();
    Statement pages = prepare("PRAGMA page_count");
    if (!step(pages) || sqlite3_column_int64(pages.get(), 0) == 0)
      throw LibraryError("Die Datei " + path + " ist leer.");
    return true;
  }

  void openTable(const std::string& table) override {
    Statement statement =
        prepare("SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') AND name = ?1 COLLATE NOCASE");
    sqlite3_bind_text(statement.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    if (!step(statement)) throw LibraryError("Die Tabelle " + table + " fehlt.");
  }

  std::vector<std::string> valuesOfObject(const std::string& table, const std::string& field,
                                          int32_t objectId) override {
    Statement statement =
        prepare("SELECT " + quoted(field) + " FROM " + quoted(table) + " WHERE TOLVARID = ?1");
    sqlite3_bind_int(statement.get(), 1, objectId);
    std::vector<std::string> values;
    while (step(statement)) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
      values.push_back(text != nullptr ? std::string(text) : std::string());
    }
    return values;
  }

 private:
  // SQLite's own words, in parentheses after the German ones.
  [[noreturn]] void fail() const {
    throw LibraryError("Die Projektdatenbank lässt sich nicht lesen (" +
                       (db_ ? std::string(sqlite3_errmsg(db_.get())) : std::string("SQLite")) + ").");
  }

  Statement prepare(const std::string& sql) const {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) fail();
    return Statement(statement);
  }

  // True while a row is ready.
  bool step(const Statement& statement) const {
    const int rc = sqlite3_step(statement.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) fail();
    return rc == SQLITE_ROW;
  }

  std::unique_ptr<sqlite3, CloseDatabase> db_;
};

}  // namespace

std::unique_ptr<ProjectDatabase> openSqliteProjectDatabase(const std::string& path) {
  auto database = std::make_unique<SqliteProjectDatabase>(path);
  if (!database->holdsDatabase(path)) return nullptr;
  return database;
}

}  // namespace aggregate::platform
