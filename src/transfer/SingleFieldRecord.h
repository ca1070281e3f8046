#pragma once
#include <string>

#include "hostdata/AttributeValues.h"
#include "hostdata/Schema.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

// One row of a detail table whose rows carry one text that travels, their identity, below the
// current row of its parent.
template <const schema::DetailTable& Table>
class SingleFieldRecord {
 public:
  // Reads the current row.
  void read() { identity_ = GetStringValue(Table.name, Table.identity); }
  // Appends the identity below the target's current parent row unless it is there already; an
  // existing row is left as it is.
  void write() const {
    if (!FindRowWithValue(Table.name, Table.identity, identity_))
      AppendRow(Table.name, {{Table.identity, identity_}});
  }

  const std::string& identity() const { return identity_; }

 private:
  std::string identity_;
};

// An animal species of a layer.
using TierRecord = SingleFieldRecord<schema::kTierliste>;
// An additional code of a biotope-type record.
using ZusatzcodeRecord = SingleFieldRecord<schema::kZusatzcodes>;

}  // namespace aggregate
