#include "AttributeStore.h"

#include <algorithm>

#include "TextCase.h"

namespace host {

AttributeStore::AttributeStore(ProjectDatabase& database)
    : database_(database), tables_(database.loadTables()) {
  indexTables();
}

void AttributeStore::reload() {
  tables_ = database_.loadTables();
  indexTables();
}

void AttributeStore::refresh() {
  TableMap fresh = database_.loadTables();
  for (auto& [name, table] : tables_) fresh.try_emplace(name, std::move(table));
  tables_ = std::move(fresh);
  indexTables();
}

void AttributeStore::indexTables() {
  byName_.clear();
  childrenByFoldedName_.clear();
  for (auto& [name, table] : tables_) {
    byName_.emplace(name, &table);
    byName_.emplace(table.name(), &table);  // as most callers spell it, found without folding
    if (table.parent()) childrenByFoldedName_[asciiLower(*table.parent())].push_back(&table);
  }
}

const AttributeTable* AttributeStore::table(std::string_view name) const {
  auto it = byName_.find(std::string(name));
  if (it == byName_.end()) it = byName_.find(asciiLower(name));
  return it == byName_.end() ? nullptr : it->second;
}

AttributeTable& AttributeStore::mutableTable(const AttributeTable& table) {
  return *byName_.at(table.foldedName());
}

const std::vector<const AttributeTable*>& AttributeStore::childrenOf(const AttributeTable& table) const {
  static const std::vector<const AttributeTable*> none;
  auto it = childrenByFoldedName_.find(table.foldedName());
  return it == childrenByFoldedName_.end() ? none : it->second;
}

std::int64_t AttributeStore::insert(const AttributeTable& table, std::int32_t objectId,
                                    std::optional<std::int64_t> masterKey, std::vector<Value> values) {
  // Larger than every key of every table, so a key used with the wrong table finds nothing.
  std::int64_t key = 0;
  for (const auto& [name, each] : tables_) key = std::max(key, each.maxKey());
  StoredRow row{key + 1, objectId, masterKey, std::move(values)};
  row.values.resize(table.columns().size());
  database_.insertRow(table, row);
  mutableTable(table).insert(std::move(row));
  return key + 1;
}

void AttributeStore::setValue(const AttributeTable& table, std::int64_t key, std::size_t column,
                              Value value) {
  database_.updateValue(table, key, column, value);
  mutableTable(table).setValue(key, column, std::move(value));
}

void AttributeStore::eraseWithDetails(const AttributeTable& table, std::int64_t key) {
  const StoredRow* row = table.find(key);
  if (row == nullptr) return;
  const std::int32_t objectId = row->objectId;
  for (const AttributeTable* child : childrenOf(table)) {
    const KeyList childKeys = child->keysBelow(objectId, key);  // erasing changes the list
    for (std::int64_t childKey : childKeys) eraseWithDetails(*child, childKey);
  }
  database_.deleteRow(table, key);
  mutableTable(table).erase(key);
}

void AttributeStore::eraseObject(std::int32_t objectId) {
  for (auto& [name, table] : tables_) {
    const KeyList keys = table.keysOf(objectId);  // erasing changes the list
    for (std::int64_t key : keys) {
      database_.deleteRow(table, key);
      table.erase(key);
    }
  }
}

}  // namespace host
