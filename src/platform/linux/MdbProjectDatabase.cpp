// A Jet (Access) project database read through mdbtools' table reader. It has no use for the
// indexes, so each column asked for is read once per connection, grouped by TOLVARID, and every
// question is answered from memory, rows in the table's order.
#include <glib.h>  // before mdbtools.h, which would include it inside extern "C"
#include <mdbtools.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <string_view>
#include <unordered_map>

#include "common/LibraryError.h"
#include "platform/linux/ProjectDatabaseFiles.h"

namespace aggregate::platform {

namespace {

struct CloseMdb {
  void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct FreeTableDef {
  void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string text) {
  for (char& c : text) c = lowerAscii(c);
  return text;
}

bool sameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// One column of a table bound to a buffer that each fetched row fills with the value as UTF-8
// text; NULL and "" both come back empty.
class BoundColumn {
 public:
  BoundColumn(MdbTableDef* table, const std::string& name, std::size_t bindSize)
      : value_(bindSize + 1, '\0') {
    for (unsigned i = 0; i < table->num_cols; ++i) {
      const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table->columns, i));
      if (sameName(column->name, name)) {
        mdb_bind_column(table, static_cast<int>(i + 1), value_.data(), &length_);
        return;
      }
    }
    throw LibraryError("Die Spalte " + name + " fehlt in der Tabelle " + std::string(table->name) + ".");
  }
  BoundColumn(const BoundColumn&) = delete;
  BoundColumn& operator=(const BoundColumn&) = delete;
  std::string_view value() const { return value_.data(); }

 private:
  std::string value_;
  int length_ = 0;
};

using ValuesByObject = std::unordered_map<int32_t, std::vector<std::string>>;

class MdbProjectDatabase final : public ProjectDatabase {
 public:
  explicit MdbProjectDatabase(const std::string& path) : mdb_(mdb_open(path.c_str(), MDB_NOFLAGS)) {
    if (!mdb_) throw LibraryError("Die Datei " + path + " ist keine Access-Datenbank.");
    if (!wholePages(path) || !catalogReadable()) throw LibraryError("Die Datei " + path + " ist beschädigt.");
  }

  // A missing table must be found in the catalog: reading it fails like any other question.
  void openTable(const std::string& table) override { catalogEntry(table); }

  std::vector<std::string> valuesOfObject(const std::string& table, const std::string& field,
                                          int32_t objectId) override {
    const ValuesByObject& column = columnOf(table, field);
    const auto found = column.find(objectId);
    return found != column.end() ? found->second : std::vector<std::string>();
  }

 private:
  // A Jet file is made of whole pages; one cut short within a page has lost its end.
  bool wholePages(const std::string& path) const {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return !error && size % static_cast<std::uintmax_t>(mdb_->fmt->pg_size) == 0;
  }

  // Every table of the catalog with its columns, so that a file cut short is found before any
  // question is answered.
  bool catalogReadable() {
    const GPtrArray* catalog = mdb_read_catalog(mdb_.get(), MDB_TABLE);
    if (catalog == nullptr || catalog->len == 0) return false;
    for (unsigned i = 0; i < catalog->len; ++i) {
      auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
      const std::unique_ptr<MdbTableDef, FreeTableDef> table(mdb_read_table(entry));
      if (!table || mdb_read_columns(table.get()) == nullptr) return false;
    }
    return true;
  }

  MdbCatalogEntry* catalogEntry(const std::string& table) {
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb_.get(), table.c_str());
    if (entry == nullptr) throw LibraryError("Die Tabelle " + table + " fehlt.");
    return entry;
  }

  const ValuesByObject& columnOf(const std::string& table, const std::string& field) {
    const std::string key = lowerAscii(table) + '.' + lowerAscii(field);
    if (const auto cached = columns_.find(key); cached != columns_.end()) return cached->second;
    return columns_.emplace(key, readColumn(table, field)).first->second;
  }

  ValuesByObject readColumn(const std::string& table, const std::string& field) {
    const std::unique_ptr<MdbTableDef, FreeTableDef> definition(mdb_read_table(catalogEntry(table)));
    if (!definition || mdb_read_columns(definition.get()) == nullptr)
      throw LibraryError("Die Tabelle " + table + " ist nicht lesbar.");
    BoundColumn owner(definition.get(), "TOLVARID", mdb_->bind_size);
    BoundColumn values(definition.get(), field, mdb_->bind_size);
    mdb_rewind_table(definition.get());
    ValuesByObject byObject;
    while (mdb_fetch_row(definition.get()) != 0) {
      const std::string_view idText = owner.value();
      int32_t id = 0;
      const auto parsed = std::from_chars(idText.data(), idText.data() + idText.size(), id);
      if (parsed.ec != std::errc() || parsed.ptr != idText.data() + idText.size()) continue;  // NULL owner
      byObject[id].push_back(std::string(values.value()));
    }
    return byObject;
  }

  std::unique_ptr<MdbHandle, CloseMdb> mdb_;
  std::map<std::string, ValuesByObject> columns_;
};

}  // namespace

std::unique_ptr<ProjectDatabase> openMdbProjectDatabase(const std::string& path) {
  return std::make_unique<MdbProjectDatabase>(path);
}

}  // namespace aggregate::platform
