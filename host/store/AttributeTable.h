// One attribute table in memory: all rows of all objects, ordered by PKey, with the keys of each
// object's rows and of each parent row's detail rows at hand.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace host {

using Value = std::optional<std::string>;  // UTF-8; nullopt is NULL

struct StoredRow {
  std::int64_t key = 0;
  std::int32_t objectId = 0;
  std::optional<std::int64_t> masterKey;
  std::vector<Value> values;  // one per text column
};

// Ascending keys.
using KeyList = std::vector<std::int64_t>;

class AttributeTable {
 public:
  AttributeTable(std::string name, std::optional<std::string> parent, std::vector<std::string> columns,
                 bool hasMasterKey);

  const std::string& name() const { return name_; }
  // The name in lower case, as tables are looked up.
  const std::string& foldedName() const { return foldedName_; }
  const std::optional<std::string>& parent() const { return parent_; }
  const std::vector<std::string>& columns() const { return columns_; }
  bool hasMasterKey() const { return hasMasterKey_; }
  std::optional<std::size_t> columnIndex(std::string_view column) const;

  const StoredRow* find(std::int64_t key) const;
  // Keys of the object's rows; with a master key only the rows below that parent row. Valid until
  // the table changes.
  const KeyList& keysOf(std::int32_t objectId) const;
  const KeyList& keysBelow(std::int32_t objectId, std::int64_t masterKey) const;
  // The largest key the table has held in this session.
  std::int64_t maxKey() const { return maxKey_; }

  void insert(StoredRow row);
  void erase(std::int64_t key);
  void setValue(std::int64_t key, std::size_t column, Value value);

 private:
  std::optional<std::size_t> foldedColumnIndex(const std::string& folded) const;

  std::string name_;
  std::string foldedName_;
  std::optional<std::string> parent_;
  std::vector<std::string> columns_;
  std::unordered_map<std::string, std::size_t> columnsByFoldedName_;
  std::unordered_map<std::string, std::size_t> columnsByName_;
  bool hasMasterKey_;
  std::unordered_map<std::int64_t, StoredRow> rows_;
  std::unordered_map<std::int32_t, KeyList> keysByObject_;
  // A parent row's key is unique, so it alone spreads the entries.
  struct ParentRowHash {
    std::size_t operator()(const std::pair<std::int32_t, std::int64_t>& row) const {
      return std::hash<std::int64_t>()(row.second);
    }
  };
  std::unordered_map<std::pair<std::int32_t, std::int64_t>, KeyList, ParentRowHash> keysByParentRow_;
  std::int64_t maxKey_ = 0;
};

}  // namespace host
