#include "Sqlite.h"

#include <string>

#include "Host.h"

namespace host {

namespace {

// The path as a file: URI, with every character but the unreserved ones and '/' percent-encoded.
std::string uriPath(const std::filesystem::path& file) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const unsigned char c : std::filesystem::absolute(file).string()) {
    const bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                            c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

// SQLite's own texts are English; the causes a user can act on are told in German.
std::string reasonOf(sqlite3* db) {
  if (db == nullptr) return "zu wenig Speicher";
  switch (sqlite3_errcode(db) & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "die Datenbank ist von einem anderen Programm gesperrt";
    case SQLITE_READONLY:
      return "die Datenbank ist schreibgeschützt";
    case SQLITE_NOTADB:
      return "die Datei ist keine Datenbank";
    case SQLITE_CORRUPT:
      return "die Datenbank ist beschädigt";
    case SQLITE_FULL:
      return "der Datenträger ist voll";
    case SQLITE_CANTOPEN:
      return "die Datei lässt sich nicht öffnen";
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return "keine Berechtigung";
    default:
      return sqlite3_errmsg(db);
  }
}

}  // namespace

SqliteDatabase::SqliteDatabase(const std::filesystem::path& file, Mode mode) {
  int flags = SQLITE_OPEN_READWRITE | (mode == Mode::Create ? SQLITE_OPEN_CREATE : 0);
  std::string name = file.string();
  if (mode == Mode::ReadOnly) {
    flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
    name = "file:" + uriPath(file) + "?immutable=1";
  }
  if (sqlite3_open_v2(name.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string message = reasonOf(db_);
    sqlite3_close(db_);
    db_ = nullptr;
    throw HostError("Die Datenbank " + file.string() + " lässt sich nicht öffnen: " + message);
  }
  sqlite3_extended_result_codes(db_, 1);
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close(db_); }

void SqliteDatabase::fail(const std::string& what) const { throw HostError(what + ": " + reasonOf(db_)); }

void SqliteDatabase::exec(const std::string& sql) {
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
    throw HostError("Datenbankfehler: " + reasonOf(db_));
  }
}

SqliteStatement SqliteDatabase::prepare(const std::string& sql) { return SqliteStatement(*this, sql); }

SqliteStatement::SqliteStatement(SqliteDatabase& db, const std::string& sql) : db_(&db) {
  if (sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
    db.fail("Datenbankfehler bei '" + sql + "'");
  }
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), statement_(other.statement_) {
  other.statement_ = nullptr;
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

void SqliteStatement::bind(int index, std::int64_t value) {
  if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK)
    db_->fail("Datenbankfehler beim Binden eines Werts");
}

void SqliteStatement::bind(int index, const std::optional<std::string>& text) {
  const int rc = text ? sqlite3_bind_text(statement_, index, text->data(), static_cast<int>(text->size()),
                                          SQLITE_TRANSIENT)
                      : sqlite3_bind_null(statement_, index);
  if (rc != SQLITE_OK) db_->fail("Datenbankfehler beim Binden eines Werts");
}

bool SqliteStatement::step() {
  const int rc = sqlite3_step(statement_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  db_->fail("Datenbankfehler");
}

void SqliteStatement::run() {
  while (step()) {
  }
  reset();
}

void SqliteStatement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

int SqliteStatement::columnCount() const { return sqlite3_column_count(statement_); }

std::string SqliteStatement::columnName(int index) const { return sqlite3_column_name(statement_, index); }

bool SqliteStatement::isNull(int index) const {
  return sqlite3_column_type(statement_, index) == SQLITE_NULL;
}

std::int64_t SqliteStatement::integer(int index) const { return sqlite3_column_int64(statement_, index); }

std::optional<std::string> SqliteStatement::text(int index) const {
  if (isNull(index)) return std::nullopt;
  const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, index));
  return std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_, index)));
}

}  // namespace host
