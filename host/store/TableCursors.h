// The attribute tables of the active object as the tl* table functions see them: one cursor per
// table name and object, detail tables following their parent's current row.
//
// Rules (the plug-in's loops depend on them):
// - A table's visible rows are the active object's rows in PKey order; a detail table shows only the
//   rows whose MASTERKEY is the key of its parent's current row, and none when the parent has none.
// - A cursor stands on a row whenever the table has rows. A new cursor, and a cursor whose parent
//   moved (even away and back), stands on the first row, as a dataset linked to a master does.
// - BOF is true exactly when the table is empty (there is no move before the first row; tlTableFirst
//   leaves BOF false on a filled table). EOF is true when the table is empty or after tlTableNext on
//   the last row, which stays current; First, Last, Append and Delete clear it.
//   So "First; while !EOF: delete PKEY" and "Last; while !BOF: delete PKEY" both end on empty.
// - Deleting a row deletes its detail rows; the cursor moves to the next row, or to the previous one
//   when the last row was deleted.
// - Append makes a pending row current; value writes fill it; Post stores it with a fresh PKey,
//   TOLVARID = active object and MASTERKEY = the parent's current row. Any other operation on the table
//   or one of its detail tables, and a change of the active object, posts a pending row first.
// - Reads give nullopt for a missing table, field or row (flag 0) and "" for NULL (flag 1). PKEY,
//   TOLVARID and MASTERKEY read as decimal text and cannot be written.
// - Cursors are kept per object: switching the active object and back finds them where they were.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "AttributeStore.h"

namespace host {

class TableCursors {
 public:
  explicit TableCursors(AttributeStore& store) : store_(store) {}

  void setActiveObject(std::int32_t id);
  std::int32_t activeObject() const { return active_; }
  void forgetObject(std::int32_t id);
  void clear();

  std::optional<std::int32_t> recordCount(std::string_view table);
  bool first(std::string_view table);
  bool last(std::string_view table);
  bool next(std::string_view table);
  bool eof(std::string_view table);  // true also for a table that cannot be read
  bool bof(std::string_view table);
  bool append(std::string_view table);
  bool post(std::string_view table);
  bool remove(std::string_view table, std::int64_t key);

  std::optional<std::string> value(std::string_view table, std::string_view field);
  bool setValue(std::string_view table, std::string_view field, Value value);
  // By key: any object's row of the table.
  std::optional<std::string> valueByKey(std::int64_t key, std::string_view table,
                                        std::string_view field) const;
  bool setValueByKey(std::int64_t key, std::string_view table, std::string_view field, Value value);

  // Puts the cursor of the table, and those of its parent tables, on the active object's row.
  bool positionOn(std::string_view table, std::int64_t key);

 private:
  struct PendingRow {
    std::optional<std::int64_t> masterKey;
    std::vector<Value> values;
  };
  struct Cursor {
    bool positioned = false;
    std::optional<std::int64_t> current;
    bool pastEnd = false;
    std::optional<PendingRow> pending;
    std::uint64_t moves = 0;        // counts changes of the current row, so detail cursors notice them
    std::uint64_t parentMoves = 0;  // the parent's count when this cursor was last positioned
  };
  struct View {
    const AttributeTable* table;
    Cursor* cursor;
    const KeyList* keys;  // valid until the table changes
    bool isDetail;
    std::optional<std::int64_t> parentKey;
    std::uint64_t parentMoves;
  };

  AttributeStore& store_;
  std::int32_t active_ = 0;
  // By object, then by folded table name: a change of the active object looks at that object's only.
  std::unordered_map<std::int32_t, std::unordered_map<std::string, Cursor>> cursors_;

  std::optional<View> open(std::string_view table, bool postPending);
  void postPending(const AttributeTable& table, Cursor& cursor);
  static void moveTo(Cursor& cursor, std::optional<std::int64_t> key);
};

}  // namespace host
