#include "transfer/TransferKind.h"

#include <array>
#include <cstddef>

#include "hostdata/ObjectClasses.h"

namespace aggregate {

namespace {

constexpr std::array kRows = {
    TransferKindRow{TransferKind::BtToGb, kClassBT, kClassGB, "Datenübertragung BT -> GB",
                    SourceArea::ObjectArea, false, true},
    TransferKindRow{TransferKind::GbToBk, kClassGB, kClassBK, "Datenübertragung GB -> BK",
                    SourceArea::RowFlaeche, false, true},
    TransferKindRow{TransferKind::BtToBk, kClassBT, kClassBK, "Datenübertragung BT -> BK",
                    SourceArea::ObjectArea, false, true},
    TransferKindRow{TransferKind::BtToFsn, kClassBT, kClassFSN, "Datenübertragung BT -> FSN",
                    SourceArea::ObjectArea, true, false},
};

constexpr bool inEnumOrder() {
  for (std::size_t index = 0; index < kRows.size(); ++index) {
    if (static_cast<std::size_t>(kRows[index].kind) != index) return false;
  }
  return true;
}
static_assert(inEnumOrder(), "one row per transfer kind, in the order of the enumeration");

}  // namespace

const TransferKindRow& RowOf(TransferKind kind) { return kRows[static_cast<std::size_t>(kind)]; }

}  // namespace aggregate
