// Minimal RAII over the SQLite C API; every failure throws HostError with SQLite's message.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace host {

class SqliteStatement;

class SqliteDatabase {
 public:
  // ReadOnly opens a file on a medium or in a folder the process may not write to: SQLite could
  // not make the files it shares a WAL database with, so the file is read as it stands.
  enum class Mode { OpenExisting, Create, ReadOnly };
  SqliteDatabase(const std::filesystem::path& file, Mode mode);
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  void exec(const std::string& sql);
  SqliteStatement prepare(const std::string& sql);
  sqlite3* handle() const { return db_; }
  [[noreturn]] void fail(const std::string& what) const;

 private:
  sqlite3* db_ = nullptr;
};

class SqliteStatement {
 public:
  SqliteStatement(SqliteDatabase& db, const std::string& sql);
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;
  SqliteStatement& operator=(SqliteStatement&&) = delete;

  // Parameters count from 1.
  void bind(int index, std::int64_t value);
  void bind(int index, const std::optional<std::string>& text);
  // True while a row is available.
  bool step();
  // Runs a statement that returns no rows, then makes it ready for new bindings.
  void run();
  void reset();

  int columnCount() const;
  std::string columnName(int index) const;
  bool isNull(int index) const;
  std::int64_t integer(int index) const;
  std::optional<std::string> text(int index) const;

 private:
  SqliteDatabase* db_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace host
