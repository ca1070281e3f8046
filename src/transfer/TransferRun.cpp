#include "transfer/TransferRun.h"

#include <optional>
#include <string>

#include "changelist/ChangeListMarking.h"
#include "common/IntegerList.h"
#include "contract/TolvarApi.h"
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
  std::optional<std::string> stopped;
  {
    TransferProcess process(row, selection.masterObjectKennung);
    try {
      process.run(selected, target);
    } catch (const TransferStopped& stop) {
      stopped = process.stoppedText(stop.what());
    }
  }
  // The window is gone and the cursor restored before the user reads why.
  if (stopped) {
    platform::ui().showMessage(platform::MessageKind::Error, *stopped);
    return;
  }
  MarkObjectChanged(target);
}

}  // namespace aggregate
