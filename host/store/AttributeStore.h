// All attribute tables in memory, every change written through to the project database.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "ProjectDatabase.h"

namespace host {

class AttributeStore {
 public:
  explicit AttributeStore(ProjectDatabase& database);

  // Re-reads everything from the database (after a rollback).
  void reload();
  // Re-reads everything another program may have changed. A table it removed stays as last read,
  // so that writing to it fails loudly instead of being ignored.
  void refresh();

  const AttributeTable* table(std::string_view name) const;
  const TableMap& tables() const { return tables_; }
  const std::vector<const AttributeTable*>& childrenOf(const AttributeTable& table) const;

  // Stores a new row with a key larger than any key of the project's tables and returns the key.
  std::int64_t insert(const AttributeTable& table, std::int32_t objectId,
                      std::optional<std::int64_t> masterKey, std::vector<Value> values);
  void setValue(const AttributeTable& table, std::int64_t key, std::size_t column, Value value);
  // Deletes the row and, recursively, its detail rows.
  void eraseWithDetails(const AttributeTable& table, std::int64_t key);
  // Deletes every row of the object.
  void eraseObject(std::int32_t objectId);

 private:
  ProjectDatabase& database_;
  TableMap tables_;
  std::unordered_map<std::string, AttributeTable*> byName_;  // by folded and by stored name
  std::unordered_map<std::string, std::vector<const AttributeTable*>> childrenByFoldedName_;
  void indexTables();
  AttributeTable& mutableTable(const AttributeTable& table);
};

}  // namespace host
