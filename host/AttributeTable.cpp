#include "AttributeTable.h"

#include <algorithm>

#include "Host.h"
#include "TextCase.h"

namespace host {

AttributeTable::AttributeTable(std::string name, std::optional<std::string> parent,
                               std::vector<std::string> columns, bool hasMasterKey)
    : name_(std::move(name)),
      parent_(std::move(parent)),
      columns_(std::move(columns)),
      hasMasterKey_(hasMasterKey) {}

std::optional<std::size_t> AttributeTable::columnIndex(std::string_view column) const {
  auto it = std::find_if(columns_.begin(), columns_.end(),
                         [&](const std::string& c) { return equalsIgnoringCase(c, column); });
  if (it == columns_.end()) return std::nullopt;
  return static_cast<std::size_t>(it - columns_.begin());
}

const StoredRow* AttributeTable::find(std::int64_t key) const {
  auto it = rows_.find(key);
  return it == rows_.end() ? nullptr : &it->second;
}

std::vector<std::int64_t> AttributeTable::keysOf(std::int32_t objectId) const {
  auto it = keysByObject_.find(objectId);
  if (it == keysByObject_.end()) return {};
  return {it->second.begin(), it->second.end()};
}

std::vector<std::int64_t> AttributeTable::keysBelow(std::int32_t objectId, std::int64_t masterKey) const {
  std::vector<std::int64_t> keys;
  for (std::int64_t key : keysOf(objectId)) {
    if (rows_.at(key).masterKey == masterKey) keys.push_back(key);
  }
  return keys;
}

void AttributeTable::insert(StoredRow row) {
  if (rows_.count(row.key) != 0)
    throw HostError("duplicate PKey " + std::to_string(row.key) + " in " + name_);
  row.values.resize(columns_.size());
  maxKey_ = std::max(maxKey_, row.key);
  keysByObject_[row.objectId].insert(row.key);
  rows_.emplace(row.key, std::move(row));
}

void AttributeTable::erase(std::int64_t key) {
  auto it = rows_.find(key);
  if (it == rows_.end()) return;
  auto& keys = keysByObject_[it->second.objectId];
  keys.erase(key);
  if (keys.empty()) keysByObject_.erase(it->second.objectId);
  rows_.erase(it);
}

void AttributeTable::setValue(std::int64_t key, std::size_t column, Value value) {
  rows_.at(key).values.at(column) = std::move(value);
}

}  // namespace host
