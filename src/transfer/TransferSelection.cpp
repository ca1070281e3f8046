#include "transfer/TransferSelection.h"

#include "hostdata/AttributeAccess.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {
void refuse(const std::string& text) { platform::ui().showMessage(platform::MessageKind::Error, text); }
}  // namespace

TransferSelection& CurrentTransferSelection() {
  static TransferSelection selection;
  return selection;
}

bool CheckTransferSelection(const std::string& targetName, const std::string& sourceName,
                            IntegerList& selected) {
  TransferSelection& selection = CurrentTransferSelection();
  selection.sourceCount = 0;
  selection.targetCount = 0;
  selection.onlyAllowedClasses = true;
  // The callback only runs inside tlIterateObjects, and no exception passes through the host.
  selection.selectedObjects = &selected;
  tlIterateObjects(0, "aggregate.dll", "CheckObjectSelection");
  selection.selectedObjects = nullptr;

  bool valid = true;
  if (selection.sourceCount == 0) {
    refuse(std::string("Es muss mindestens ein Objekt der Klasse ") + sourceName + " ausgewählt sein!");
    valid = false;
  }
  if (selection.targetCount != 1) {
    refuse(std::string("Es muss genau ein Objekt der Klasse ") + targetName + " ausgewählt sein!");
    valid = false;
  }
  if (!selection.onlyAllowedClasses) {
    refuse(std::string("Es dürfen nur Objekte der Klassen ") + targetName + " und " + sourceName +
           " ausgewählt sein!");
    valid = false;
  }
  return valid;
}

void CheckObjectSelection(const TObjectInfo* info) {
  if (info == nullptr) return;
  TransferSelection& selection = CurrentTransferSelection();
  if (selection.selectedObjects != nullptr) selection.selectedObjects->add(info->ObjectID);
  if (info->ClassCode == selection.targetClass) {
    ++selection.targetCount;
    selection.masterObjectId = info->ObjectID;
    selection.masterObjectKennung = FromHostText(info->Kennung);
  } else if (info->ClassCode == selection.sourceClass) {
    ++selection.sourceCount;
  } else {
    selection.onlyAllowedClasses = false;
  }
}

}  // namespace aggregate
