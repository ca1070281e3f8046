#include "AttributeTable.h"

#include <algorithm>

#include "Host.h"
#include "TextCase.h"

namespace host {

namespace {

const KeyList kNoKeys;

void insertKey(KeyList& keys, std::int64_t key) {
  // New rows get the largest key, so this appends.
  keys.insert(std::upper_bound(keys.begin(), keys.end(), key), key);
}

template <typename Map, typename Where>
void eraseKey(Map& index, const Where& where, std::int64_t key) {
  auto it = index.find(where);
  if (it == index.end()) return;
  KeyList& keys = it->second;
  const auto at = std::lower_bound(keys.begin(), keys.end(), key);
  if (at != keys.end() && *at == key) keys.erase(at);
  if (keys.empty()) index.erase(it);
}

}  // namespace

AttributeTable::AttributeTable(std::string name, std::optional<std::string> parent,
                               std::vector<std::string> columns, bool hasMasterKey)
    : name_(std::move(name)),
      foldedName_(asciiLower(name_)),
      parent_(std::move(parent)),
      columns_(std::move(columns)),
      hasMasterKey_(hasMasterKey) {
  // The first of two columns that differ only in case wins, as a case-blind search would find it.
  for (std::size_t i = 0; i < columns_.size(); ++i) columnsByFoldedName_.emplace(asciiLower(columns_[i]), i);
  // The stored spelling, as most callers write it, is found without folding.
  for (const std::string& column : columns_)
    columnsByName_.emplace(column, *foldedColumnIndex(asciiLower(column)));
}

std::optional<std::size_t> AttributeTable::columnIndex(std::string_view column) const {
  auto it = columnsByName_.find(std::string(column));
  if (it != columnsByName_.end()) return it->second;
  return foldedColumnIndex(asciiLower(column));
}

std::optional<std::size_t> AttributeTable::foldedColumnIndex(const std::string& folded) const {
  auto it = columnsByFoldedName_.find(folded);
  if (it == columnsByFoldedName_.end()) return std::nullopt;
  return it->second;
}

const StoredRow* AttributeTable::find(std::int64_t key) const {
  auto it = rows_.find(key);
  return it == rows_.end() ? nullptr : &it->second;
}

const KeyList& AttributeTable::keysOf(std::int32_t objectId) const {
  auto it = keysByObject_.find(objectId);
  return it == keysByObject_.end() ? kNoKeys : it->second;
}

const KeyList& AttributeTable::keysBelow(std::int32_t objectId, std::int64_t masterKey) const {
  auto it = keysByParentRow_.find({objectId, masterKey});
  return it == keysByParentRow_.end() ? kNoKeys : it->second;
}

void AttributeTable::insert(StoredRow row) {
  if (rows_.count(row.key) != 0)
    throw HostError("PKey " + std::to_string(row.key) + " kommt in " + name_ + " doppelt vor");
  row.values.resize(columns_.size());
  maxKey_ = std::max(maxKey_, row.key);
  insertKey(keysByObject_[row.objectId], row.key);
  if (row.masterKey) insertKey(keysByParentRow_[{row.objectId, *row.masterKey}], row.key);
  rows_.emplace(row.key, std::move(row));
}

void AttributeTable::erase(std::int64_t key) {
  auto it = rows_.find(key);
  if (it == rows_.end()) return;
  const StoredRow& row = it->second;
  eraseKey(keysByObject_, row.objectId, key);
  if (row.masterKey) eraseKey(keysByParentRow_, std::pair{row.objectId, *row.masterKey}, key);
  rows_.erase(it);
}

void AttributeTable::setValue(std::int64_t key, std::size_t column, Value value) {
  rows_.at(key).values.at(column) = std::move(value);
}

}  // namespace host
