// A Jet (Access) project database read through mdbtools. Its SQL engine scans the whole table for
// every query and uses no index, so each column asked for is read once per connection, grouped by
// TOLVARID, and every statement is answered from memory, rows in the table's order.
#include <glib.h>  // before mdbsql.h, which would include it inside extern "C"
#include <mdbsql.h>

#include <charconv>
#include <map>
#include <unordered_map>

#include "common/LibraryError.h"
#include "platform/TextEncoding.h"
#include "platform/linux/ProjectDatabaseFiles.h"
#include "platform/linux/SelectStatement.h"

namespace aggregate::platform {

namespace {

struct CloseMdb {
  void operator()(MdbSQL* sql) const { mdb_sql_exit(sql); }
};

// One query of mdbtools, reset however it ends; the library requires that before the next one.
class MdbQuery {
 public:
  MdbQuery(MdbSQL* sql, const std::string& query) : sql_(sql) {
    if (mdb_sql_run_query(sql_, query.c_str()) == nullptr) {
      const std::string error = mdb_sql_last_error(sql_);
      mdb_sql_reset(sql_);
      throw LibraryError(utf8ToAnsi(error));
    }
  }
  ~MdbQuery() {
    if (sql_->cur_table != nullptr && sql_->cur_table->sarg_tree != nullptr) {  // not freed by the reset
      mdb_sql_free_tree(sql_->cur_table->sarg_tree);
      sql_->cur_table->sarg_tree = nullptr;
    }
    mdb_sql_reset(sql_);
  }
  MdbQuery(const MdbQuery&) = delete;
  MdbQuery& operator=(const MdbQuery&) = delete;

  bool fetch() { return mdb_sql_fetch_row(sql_, sql_->cur_table) != 0; }
  // UTF-8; NULL and "" both come back empty.
  std::string_view value(unsigned column) const {
    return static_cast<const char*>(g_ptr_array_index(sql_->bound_values, column));
  }

 private:
  MdbSQL* sql_;
};

std::string lowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

using ValuesByObject = std::unordered_map<int32_t, std::vector<std::string>>;

class MdbProjectDatabase final : public ProjectDatabase {
 public:
  explicit MdbProjectDatabase(const std::string& path) : sql_(mdb_sql_init()) {
    std::string name = path;  // mdbtools takes a mutable text
    if (mdb_sql_open(sql_.get(), name.data()) == nullptr)
      throw LibraryError(utf8ToAnsi(mdb_sql_last_error(sql_.get())));
    mdb_read_catalog(sql_->mdb, MDB_TABLE);
  }

  // A missing table must be found in the catalog: a query on it fails like any other query.
  void openTable(const std::string& table) override { requireTable(table); }

  std::vector<std::string> selectFirstColumn(const std::string& statementText) override {
    const SelectStatement statement = parseSelectStatement(statementText);
    const ValuesByObject& column = columnOf(statement.table, statement.column);
    const auto found = column.find(statement.objectId);
    return found != column.end() ? found->second : std::vector<std::string>();
  }

 private:
  void requireTable(const std::string& table) {
    if (mdb_get_catalogentry_by_name(sql_->mdb, table.c_str()) == nullptr)
      throw LibraryError("Die Tabelle " + table + " fehlt.");
  }

  const ValuesByObject& columnOf(const std::string& table, const std::string& column) {
    const std::string key = lowerAscii(table) + '.' + lowerAscii(column);
    if (const auto cached = columns_.find(key); cached != columns_.end()) return cached->second;
    requireTable(table);
    ValuesByObject values;
    MdbQuery query(sql_.get(), "select TOLVARID, " + column + " from " + table);
    while (query.fetch()) {
      const std::string_view idText = query.value(0);
      int32_t id = 0;
      const auto parsed = std::from_chars(idText.data(), idText.data() + idText.size(), id);
      if (parsed.ec != std::errc() || parsed.ptr != idText.data() + idText.size()) continue;  // NULL owner
      values[id].push_back(utf8ToAnsi(query.value(1)));
    }
    return columns_.emplace(key, std::move(values)).first->second;
  }

  std::unique_ptr<MdbSQL, CloseMdb> sql_;
  std::map<std::string, ValuesByObject> columns_;
};

}  // namespace

std::unique_ptr<ProjectDatabase> openMdbProjectDatabase(const std::string& path) {
  return std::make_unique<MdbProjectDatabase>(path);
}

}  // namespace aggregate::platform
