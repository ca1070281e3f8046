#pragma once
#include <string>

#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

// A table whose rows carry one text that travels: their identity.
struct SingleFieldTable {
  const char* table;
  const char* field;
};

// One row of such a table below the current row of its parent.
template <const SingleFieldTable& Table>
class SingleFieldRecord {
 public:
  // Reads the current row.
  void read() { identity_ = GetStringValue(Table.table, Table.field); }
  // Appends the identity below the target's current parent row unless it is there already; an
  // existing row is left as it is.
  void write() const {
    if (!FindRowWithValue(Table.table, Table.field, identity_))
      AppendRow(Table.table, {{Table.field, identity_}});
  }

  const std::string& identity() const { return identity_; }

 private:
  std::string identity_;
};

// An animal species of a layer.
inline constexpr SingleFieldTable kTierliste{"Tierliste", "Tierart"};
using TierRecord = SingleFieldRecord<kTierliste>;
// An additional code of a biotope-type record.
inline constexpr SingleFieldTable kZusatzcodes{"Zusatzcodes", "Zusatzcode"};
using ZusatzcodeRecord = SingleFieldRecord<kZusatzcodes>;

}  // namespace aggregate
