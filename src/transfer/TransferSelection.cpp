#include "transfer/TransferSelection.h"

#include "hostdata/ObjectClasses.h"
#include "hostdata/SelectedObjects.h"

namespace aggregate {

std::optional<TransferSelection> CheckTransferSelection(const TransferKindRow& kind,
                                                        platform::UserInterface& ui) {
  TransferSelection selection;
  int32_t sources = 0;
  int32_t targets = 0;
  bool onlyAllowedClasses = true;
  for (const SelectedObject& object : CollectSelection("CheckObjectSelection")) {
    selection.ids.push_back(object.id);
    if (object.classCode == kind.targetClass) {
      ++targets;
      selection.targetId = object.id;  // the last one seen
      selection.targetKennung = object.kennung;
    } else if (object.classCode == kind.sourceClass) {
      ++sources;
    } else {
      onlyAllowedClasses = false;
    }
  }

  const std::string targetName = GetClassDisplayName(kind.targetClass);
  const std::string sourceName = GetClassDisplayName(kind.sourceClass);
  const auto refuse = [&ui](const std::string& text) { ui.showMessage(platform::MessageKind::Error, text); };
  if (sources == 0) refuse("Es muss mindestens ein Objekt der Klasse " + sourceName + " ausgewählt sein!");
  if (targets != 1) refuse("Es muss genau ein Objekt der Klasse " + targetName + " ausgewählt sein!");
  if (!onlyAllowedClasses)
    refuse("Es dürfen nur Objekte der Klassen " + targetName + " und " + sourceName + " ausgewählt sein!");
  if (sources == 0 || targets != 1 || !onlyAllowedClasses) return std::nullopt;
  return selection;
}

}  // namespace aggregate
