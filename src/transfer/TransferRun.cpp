#include "transfer/TransferRun.h"

#include "boundary/IntList.h"
#include "boundary/ObjectClasses.h"
#include "boundary/TolvarApi.h"
#include "changelist/ChangeListMarking.h"
#include "platform/UserInterface.h"
#include "transfer/TransferSelection.h"
#include "transfer/TransferStopped.h"
#include "transfer/fProcessAggregation_TLApi.h"

namespace aggregate {

void RunTransfer(int32_t transitionType, int32_t sourceClass, int32_t targetClass) {
  TTransferSelection& selection = TransferSelection();
  selection.sourceClass = sourceClass;
  selection.targetClass = targetClass;
  TIntegerlist selected;
  if (!CheckTransferSelection(GetClassDisplayName(targetClass), GetClassDisplayName(sourceClass), selected))
    return;

  const int32_t master = selection.masterObjectId;
  tlSetActiveObject(master);
  try {
    TFormProcessAggregation_TLApi form(transitionType, selection.masterObjectKennung);
    form.process(transitionType, selected, master);
  } catch (const TransferStopped& stop) {
    // The form is gone and the cursor restored before the user reads why.
    platform::ui().showMessage(platform::MessageKind::Error, stop.what());
    return;
  }
  MarkObjectChanged(master);
}

}  // namespace aggregate
