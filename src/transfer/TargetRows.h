#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <tuple>

namespace aggregate {

// The target's BtypHtyp rows while the merged records are written back, so that finding a
// record's row does not walk the table from its first row once per record. The cursor ends on the
// same row a walk from the first row would find: the target's own records come in row order and
// find their row by key further on, and a record from a source has no row unless one with its
// codes exists (then the walk is made as before).
class TargetRows {
 public:
  using Codes = std::tuple<std::string, std::string, std::string>;  // Biotoptyp, Oekotyp, P62_Typ

  // Reads the codes of every row of the active object's table and leaves the cursor on its first
  // row.
  explicit TargetRows(const char* table);

  // Puts the cursor on the row with this key, looking from the current row on and, when it is not
  // there, from the first row; false when no row has the key.
  bool moveToKey(int32_t key) const;
  bool anyRowWith(const Codes& codes) const { return codes_.count(codes) != 0; }
  // Takes the codes of the current row, which was just appended, as the host stored them.
  void addCurrentRow();

 private:
  const char* table_;
  std::set<Codes> codes_;
  Codes currentCodes() const;
};

}  // namespace aggregate
