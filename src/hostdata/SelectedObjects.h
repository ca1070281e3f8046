#pragma once
// The host's selection as the library learns it: the host calls an exported iteration callback
// once per selected object from inside tlIterateObjects, and every such callback collects here.
#include <cstdint>
#include <string>
#include <vector>

#include "contract/TolvarApi.h"

namespace aggregate {

struct SelectedObject {
  int32_t id = 0;
  int32_t classCode = 0;
  std::string kennung;
};

// Has the host iterate the selection through the named callback export, which must hand each
// object to CollectSelectedObject; the objects in the host's order.
std::vector<SelectedObject> CollectSelection(const char* callbackExport);
// The body of every iteration callback. Outside CollectSelection it does nothing: a host may call
// a callback at any time.
void CollectSelectedObject(const TObjectInfo* info);

}  // namespace aggregate
