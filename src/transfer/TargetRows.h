#pragma once
#include <cstdint>
#include <set>

#include "transfer/MergeRule.h"

namespace aggregate {

// The target's BtypHtyp rows while the merged records are written back, so that finding a
// record's row does not walk the table from its first row once per record. The cursor ends on the
// same row a walk from the first row would find: the target's own records come in row order and
// find their row by key further on, and a record from a source has no row unless one with its
// merge key exists (then the walk is made as before).
class TargetRows {
 public:
  // Reads the merge keys of every BtypHtyp row of the active object and leaves the cursor on its
  // first row.
  TargetRows();

  // Puts the cursor on the row with this key, looking from the current row on and, when it is not
  // there, from the first row; false when no row has the key.
  bool moveToKey(int32_t key) const;
  bool anyRowWith(const MergeKey& key) const { return keys_.count(key) != 0; }
  // Takes the codes of the current row, which was just appended, as the host stored them.
  void addCurrentRow();

 private:
  std::set<MergeKey> keys_;
};

}  // namespace aggregate
