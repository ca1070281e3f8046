#include "TableCursors.h"

#include <algorithm>
#include <map>

#include "TextCase.h"

namespace host {

namespace {

const KeyList kNoKeys;

bool contains(const KeyList& keys, std::int64_t key) {
  return std::binary_search(keys.begin(), keys.end(), key);
}

std::optional<std::int64_t> firstOf(const KeyList& keys) {
  return keys.empty() ? std::nullopt : std::optional<std::int64_t>(keys.front());
}

std::optional<std::string> decimal(std::optional<std::int64_t> number) {
  return number ? std::to_string(*number) : std::string();
}

// What a field of a row reads as: link columns as decimal text, NULL as "".
std::optional<std::string> readField(const AttributeTable& table, std::optional<std::int64_t> key,
                                     std::int32_t objectId, std::optional<std::int64_t> masterKey,
                                     const std::vector<Value>& values, std::string_view field) {
  if (equalsIgnoringCase(field, "PKEY")) return key ? decimal(key) : std::nullopt;
  if (equalsIgnoringCase(field, "TOLVARID")) return std::to_string(objectId);
  if (equalsIgnoringCase(field, "MASTERKEY")) return table.hasMasterKey() ? decimal(masterKey) : std::nullopt;
  auto column = table.columnIndex(field);
  if (!column) return std::nullopt;
  return values.at(*column).value_or("");
}

}  // namespace

void TableCursors::setActiveObject(std::int32_t id) {
  if (id == active_) return;
  if (auto own = cursors_.find(active_); own != cursors_.end()) {
    // By name, so pending rows get their keys in the same order every time.
    std::map<std::string_view, Cursor*> pending;
    for (auto& [name, cursor] : own->second) {
      if (cursor.pending) pending.emplace(name, &cursor);
    }
    for (auto& [name, cursor] : pending) {
      if (const AttributeTable* table = store_.table(name)) postPending(*table, *cursor);
    }
  }
  active_ = id;
}

void TableCursors::forgetObject(std::int32_t id) {
  cursors_.erase(id);
  if (active_ == id) active_ = 0;
}

void TableCursors::clear() {
  cursors_.clear();
  active_ = 0;
}

std::optional<TableCursors::View> TableCursors::open(std::string_view name, bool postOwnPending) {
  const AttributeTable* table = store_.table(name);
  if (active_ == 0 || table == nullptr) return std::nullopt;
  View view{table, nullptr, &kNoKeys, table->parent().has_value(), std::nullopt, 0};
  if (view.isDetail) {
    if (auto parent = open(*table->parent(), true)) {
      view.parentKey = parent->cursor->current;
      view.parentMoves = parent->cursor->moves;
    }
  }
  Cursor& cursor = cursors_[active_][table->foldedName()];
  view.cursor = &cursor;
  if (postOwnPending && cursor.pending) postPending(*table, cursor);
  if (!view.isDetail) {
    view.keys = &table->keysOf(active_);
  } else if (view.parentKey) {
    view.keys = &table->keysBelow(active_, *view.parentKey);
  }

  const bool stale = !cursor.positioned || cursor.parentMoves != view.parentMoves ||
                     (cursor.current && !contains(*view.keys, *cursor.current)) ||
                     (!cursor.current && !view.keys->empty());
  if (stale) {
    cursor.positioned = true;
    cursor.parentMoves = view.parentMoves;
    ++cursor.moves;  // a refreshed detail table refreshes its own details, even on the same row
    moveTo(cursor, firstOf(*view.keys));
  }
  return view;
}

void TableCursors::postPending(const AttributeTable& table, Cursor& cursor) {
  PendingRow pending = std::move(*cursor.pending);
  cursor.pending.reset();
  moveTo(cursor, store_.insert(table, active_, pending.masterKey, std::move(pending.values)));
}

void TableCursors::moveTo(Cursor& cursor, std::optional<std::int64_t> key) {
  if (cursor.current != key) ++cursor.moves;
  cursor.current = key;
  cursor.pastEnd = false;
}

std::optional<std::int32_t> TableCursors::recordCount(std::string_view table) {
  auto view = open(table, true);
  if (!view) return std::nullopt;
  return static_cast<std::int32_t>(view->keys->size());
}

bool TableCursors::first(std::string_view table) {
  auto view = open(table, true);
  if (!view) return false;
  moveTo(*view->cursor, firstOf(*view->keys));
  return true;
}

bool TableCursors::last(std::string_view table) {
  auto view = open(table, true);
  if (!view) return false;
  const KeyList& keys = *view->keys;
  moveTo(*view->cursor, keys.empty() ? std::nullopt : std::optional<std::int64_t>(keys.back()));
  return true;
}

bool TableCursors::next(std::string_view table) {
  auto view = open(table, true);
  if (!view) return false;
  Cursor& cursor = *view->cursor;
  const KeyList& keys = *view->keys;
  auto at = cursor.current ? std::upper_bound(keys.begin(), keys.end(), *cursor.current) : keys.end();
  if (at == keys.end()) {
    cursor.pastEnd = true;
  } else {
    moveTo(cursor, *at);
  }
  return true;
}

bool TableCursors::eof(std::string_view table) {
  auto view = open(table, true);
  return !view || view->keys->empty() || view->cursor->pastEnd;
}

bool TableCursors::bof(std::string_view table) {
  auto view = open(table, true);
  return !view || view->keys->empty();
}

bool TableCursors::append(std::string_view table) {
  auto view = open(table, true);
  if (!view || (view->isDetail && !view->parentKey)) return false;
  view->cursor->pending = PendingRow{view->parentKey, std::vector<Value>(view->table->columns().size())};
  return true;
}

bool TableCursors::post(std::string_view table) {
  auto view = open(table, false);
  if (!view || !view->cursor->pending) return false;
  postPending(*view->table, *view->cursor);
  return true;
}

bool TableCursors::remove(std::string_view table, std::int64_t key) {
  auto view = open(table, true);
  if (!view || !contains(*view->keys, key)) return false;
  const KeyList& keys = *view->keys;
  const auto at = std::lower_bound(keys.begin(), keys.end(), key);
  std::optional<std::int64_t> replacement;
  if (at + 1 != keys.end()) {
    replacement = *(at + 1);
  } else if (at != keys.begin()) {
    replacement = *(at - 1);
  }
  store_.eraseWithDetails(*view->table, key);
  Cursor& cursor = *view->cursor;
  if (cursor.current == key) moveTo(cursor, replacement);
  return true;
}

std::optional<std::string> TableCursors::value(std::string_view table, std::string_view field) {
  auto view = open(table, false);
  if (!view) return std::nullopt;
  const Cursor& cursor = *view->cursor;
  if (cursor.pending) {
    return readField(*view->table, std::nullopt, active_, cursor.pending->masterKey, cursor.pending->values,
                     field);
  }
  if (!cursor.current) return std::nullopt;
  const StoredRow& row = *view->table->find(*cursor.current);
  return readField(*view->table, row.key, row.objectId, row.masterKey, row.values, field);
}

bool TableCursors::setValue(std::string_view table, std::string_view field, Value value) {
  auto view = open(table, false);
  if (!view) return false;
  auto column = view->table->columnIndex(field);
  Cursor& cursor = *view->cursor;
  if (!column) return false;
  if (cursor.pending) {
    cursor.pending->values.at(*column) = std::move(value);
    return true;
  }
  if (!cursor.current) return false;
  store_.setValue(*view->table, *cursor.current, *column, std::move(value));
  return true;
}

std::optional<std::string> TableCursors::valueByKey(std::int64_t key, std::string_view tableName,
                                                    std::string_view field) const {
  const AttributeTable* table = store_.table(tableName);
  const StoredRow* row = table != nullptr ? table->find(key) : nullptr;
  if (row == nullptr) return std::nullopt;
  return readField(*table, row->key, row->objectId, row->masterKey, row->values, field);
}

bool TableCursors::setValueByKey(std::int64_t key, std::string_view tableName, std::string_view field,
                                 Value value) {
  const AttributeTable* table = store_.table(tableName);
  if (table == nullptr || table->find(key) == nullptr) return false;
  auto column = table->columnIndex(field);
  if (!column) return false;
  store_.setValue(*table, key, *column, std::move(value));
  return true;
}

bool TableCursors::positionOn(std::string_view tableName, std::int64_t key) {
  const AttributeTable* table = store_.table(tableName);
  const StoredRow* row = table != nullptr ? table->find(key) : nullptr;
  if (row == nullptr || row->objectId != active_) return false;
  if (table->parent() && row->masterKey && !positionOn(*table->parent(), *row->masterKey)) return false;
  auto view = open(tableName, true);
  if (!view || !contains(*view->keys, key)) return false;
  moveTo(*view->cursor, key);
  return true;
}

}  // namespace host
