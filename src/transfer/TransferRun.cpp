#include "transfer/TransferRun.h"

#include <string>

#include "changelist/ChangeListMarking.h"
#include "common/IntegerList.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/ObjectClasses.h"
#include "platform/UserInterface.h"
#include "transfer/TransferProcess.h"
#include "transfer/TransferSelection.h"
#include "transfer/TransferStopped.h"

namespace aggregate {

void RunTransfer(TransferKind kind) {
  const TransferKindRow& row = RowOf(kind);
  TransferSelection& selection = CurrentTransferSelection();
  selection.sourceClass = row.sourceClass;
  selection.targetClass = row.targetClass;
  IntegerList selected;
  if (!CheckTransferSelection(GetClassDisplayName(row.targetClass), GetClassDisplayName(row.sourceClass),
                              selected))
    return;

  const int32_t target = selection.masterObjectId;
  tlSetActiveObject(target);
  const int64_t refusedBefore = RefusedHostWrites();
  try {
    TransferProcess process(row, selection.masterObjectKennung);
    process.run(selected, target);
  } catch (const TransferStopped& stop) {
    // The window is gone and the cursor restored before the user reads why.
    platform::ui().showMessage(platform::MessageKind::Error, stop.what());
    return;
  }
  // Writes that did not stand leave the target unchanged as far as the change list may know.
  if (const int64_t refused = RefusedHostWrites() - refusedBefore; refused > 0) {
    platform::ui().showMessage(
        platform::MessageKind::Error,
        std::string("Die Übertragung ist fehlgeschlagen: ") + RefusedWritesText(refused) +
            " Das Zielobjekt wurde in der Änderungsliste nicht als geändert markiert.");
    return;
  }
  MarkObjectChanged(target);
}

}  // namespace aggregate
