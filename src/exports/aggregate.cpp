// Export table of the plug-in: each export is one line inside the barrier, with its constant
// result. Names and ordinals are fixed by the host: TL_PLUGIN_EXPORTS lists them.
#include "areas/AreaBalance.h"
#include "areas/AreaHandlers.h"
#include "contract/TolvarApi.h"
#include "deleteobject/DeleteObject.h"
#include "exports/ExportBarrier.h"
#include "hostdata/SelectedObjects.h"
#include "massnahmen/MassnahmenRun.h"
#include "transfer/TransferRun.h"

using namespace aggregate;
using platform::UserInterface;

#define AGGREGATE_EXPORT(name)                  \
  extern "C" TL_EXPORT int16_t TL_STDCALL name( \
      [[maybe_unused]] intptr_t arg1, [[maybe_unused]] intptr_t arg2, [[maybe_unused]] intptr_t arg3)

namespace {
const TObjectInfo* objectInfo(intptr_t arg) { return reinterpret_cast<const TObjectInfo*>(arg); }
}  // namespace

AGGREGATE_EXPORT(SetP62Flag) { return RunAttributeHandler(arg1, arg2, HandleP62ValueChanged); }
AGGREGATE_EXPORT(deleteObject) {
  return RunExport(kCommandResult, [](UserInterface& ui) { DeleteBiotoptypRowByKey(ui); });
}
AGGREGATE_EXPORT(SetFFHFlag) { return RunAttributeHandler(arg1, arg2, HandleFFHValueChanged); }
AGGREGATE_EXPORT(BerechneBTFlaechen) {
  return RunExport(kCommandResult, [](UserInterface& ui) { BalanceAreasOfActiveObject(ui); });
}
AGGREGATE_EXPORT(FlaecheAbsolutChanged) {
  return RunAttributeHandler(arg1, arg2, HandleFlaecheAbsolutChanged);
}
AGGREGATE_EXPORT(FlaechenanteilChanged) {
  return RunAttributeHandler(arg1, arg2, HandleFlaechenanteilChanged);
}
AGGREGATE_EXPORT(FindSelectedMAS) {
  return RunExport(kCallbackResult, [=](UserInterface&) { CollectSelectedObject(objectInfo(arg1)); });
}
AGGREGATE_EXPORT(CheckObjectSelection) {
  return RunExport(kCallbackResult, [=](UserInterface&) { CollectSelectedObject(objectInfo(arg1)); });
}
AGGREGATE_EXPORT(BT_FT_FPToMAS) {
  return RunExport(kCommandResult, [](UserInterface& ui) { AggregateSelectedMassnahmen(ui); });
}
AGGREGATE_EXPORT(BTToFSN) {
  return RunExport(kCommandResult, [](UserInterface& ui) { RunTransfer(TransferKind::BtToFsn, ui); });
}
AGGREGATE_EXPORT(BTToBK) {
  return RunExport(kCommandResult, [](UserInterface& ui) { RunTransfer(TransferKind::BtToBk, ui); });
}
AGGREGATE_EXPORT(GBToBK) {
  return RunExport(kCommandResult, [](UserInterface& ui) { RunTransfer(TransferKind::GbToBk, ui); });
}
AGGREGATE_EXPORT(BTToGB) {
  return RunExport(kCommandResult, [](UserInterface& ui) { RunTransfer(TransferKind::BtToGb, ui); });
}
