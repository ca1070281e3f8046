#pragma once
// Walks of the host's table cursors on the active object, relying only on the cursor rules every
// host keeps (contract/TolvarApi.h). A detail table shows only the rows of
// its parent table's current row, so every walk below relies on the cursor its caller placed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contract/TolvarApi.h"

namespace aggregate {

template <class Visit>
void ForEachRow(const char* table, Visit&& visit) {
  tlTableFirst(table);
  while (tlTableEOF(table) == 0) {
    visit();
    tlTableNext(table);
  }
}

// Leaves the cursor on the first row for which matches() holds; false when no row does.
template <class Matches>
bool FindRow(const char* table, Matches&& matches) {
  tlTableFirst(table);
  while (tlTableEOF(table) == 0) {
    if (matches()) return true;
    tlTableNext(table);
  }
  return false;
}

// Leaves the cursor on the first row whose field holds value; false when no row does.
bool FindRowWithValue(const char* table, const char* field, const std::string& value);

// Deletes the current row by its key (-1 when unreadable, which no row has) and tells whether
// the table shrank. Delete loops rely on the host removing the row and moving on; they must end
// when it does not.
bool DeleteCurrentRow(const char* table);

// Deletes the current row until the table is empty: true then, false when a delete removed
// nothing. Asks the row count, never BOF or EOF, which hosts set differently after moves.
bool DeleteAllRows(const char* table);

// A value of a new row; with a mode it goes through the host's extended write.
struct FieldValue {
  const char* field;
  std::string value;
  std::optional<int16_t> mode = std::nullopt;
};

// The one way a row is added: appended, its values written in the order given (a field may
// come twice), posted; the cursor stays on it.
void AppendRow(const char* table, const std::vector<FieldValue>& values);

}  // namespace aggregate
