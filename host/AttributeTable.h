// One attribute table in memory: all rows of all objects, ordered by PKey.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace host {

using Value = std::optional<std::string>;  // UTF-8; nullopt is NULL

struct StoredRow {
  std::int64_t key = 0;
  std::int32_t objectId = 0;
  std::optional<std::int64_t> masterKey;
  std::vector<Value> values;  // one per text column
};

class AttributeTable {
 public:
  AttributeTable(std::string name, std::optional<std::string> parent, std::vector<std::string> columns,
                 bool hasMasterKey);

  const std::string& name() const { return name_; }
  const std::optional<std::string>& parent() const { return parent_; }
  const std::vector<std::string>& columns() const { return columns_; }
  bool hasMasterKey() const { return hasMasterKey_; }
  std::optional<std::size_t> columnIndex(std::string_view column) const;

  const StoredRow* find(std::int64_t key) const;
  // Keys of the object's rows in PKey order; with a master key only the rows below that parent row.
  std::vector<std::int64_t> keysOf(std::int32_t objectId) const;
  std::vector<std::int64_t> keysBelow(std::int32_t objectId, std::int64_t masterKey) const;
  // The largest key the table has held in this session.
  std::int64_t maxKey() const { return maxKey_; }

  void insert(StoredRow row);
  void erase(std::int64_t key);
  void setValue(std::int64_t key, std::size_t column, Value value);

 private:
  std::string name_;
  std::optional<std::string> parent_;
  std::vector<std::string> columns_;
  bool hasMasterKey_;
  std::map<std::int64_t, StoredRow> rows_;
  std::map<std::int32_t, std::set<std::int64_t>> keysByObject_;
  std::int64_t maxKey_ = 0;
};

}  // namespace host
