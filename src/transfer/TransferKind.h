#pragma once
// The transfer commands, one row each: a new kind is a new enumerator, a new row and a new line
// in the export table.
#include <cstdint>

namespace aggregate {

enum class TransferKind { BtToGb, GbToBk, BtToBk, BtToFsn };

// Where the area of a record read from a source object comes from.
enum class SourceArea {
  RowFlaeche,  // the row's own FLAECHE
  ObjectArea,  // the area of the whole source object
};

struct TransferKindRow {
  TransferKind kind;
  int32_t sourceClass;
  int32_t targetClass;
  const char* caption;  // UTF-8
  SourceArea sourceArea;
  bool replacesTargetRows;  // the target's biotope types are deleted before the merge
  bool carriesVegetationstypen;
};

const TransferKindRow& RowOf(TransferKind kind);

}  // namespace aggregate
