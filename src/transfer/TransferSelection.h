#pragma once
// What the transfer commands learn about the host's selection. Process-wide: the host reports
// the selection through the exported callback CheckObjectSelection.
#include <cstdint>
#include <string>

#include "common/IntegerList.h"
#include "contract/TolvarApi.h"

namespace aggregate {

struct TransferSelection {
  int32_t sourceClass = 0;
  int32_t targetClass = 0;
  int32_t sourceCount = 0;
  int32_t targetCount = 0;
  bool onlyAllowedClasses = true;
  // The last target-class object seen; kept between commands.
  int32_t masterObjectId = 0;
  std::string masterObjectKennung;
  // The running check's list; none outside a check.
  IntegerList* selectedObjects = nullptr;
};

TransferSelection& CurrentTransferSelection();

// Has the host iterate the selection into selected and tells the user, in order, each rule the
// selection breaks: no source object, not exactly one target object, objects of other classes.
bool CheckTransferSelection(const std::string& targetName, const std::string& sourceName,
                            IntegerList& selected);
// Iteration callback: one call per selected object, from inside CheckTransferSelection.
void CheckObjectSelection(const TObjectInfo* info);

}  // namespace aggregate
