#pragma once
// The selection a transfer command works on: its source objects and its one target object.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"
#include "transfer/TransferKind.h"

namespace aggregate {

struct TransferSelection {
  std::vector<int32_t> ids;  // every selected object, in the host's order
  int32_t targetId = 0;
  std::string targetKennung;
};

// Has the host iterate the selection and tells the user, in order, each rule it breaks: no
// source object, not exactly one target object, objects of other classes; nullopt then.
std::optional<TransferSelection> CheckTransferSelection(const TransferKindRow& kind,
                                                        platform::UserInterface& ui);

}  // namespace aggregate
