#include "transfer/TransferRun.h"

#include <optional>
#include <string>

#include "changelist/ChangeListMarking.h"
#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "transfer/TransferProcess.h"
#include "transfer/TransferSelection.h"

namespace aggregate {

namespace {

// The transfer stands; the user learns why its target is not marked.
std::string TransferredButUnmarked(const UnmarkedObject& unmarked) {
  const std::string unchecked =
      "Die Biotoptypen wurden übertragen, aber die Änderungsliste konnte nicht geprüft werden: ";
  switch (unmarked.why) {
    case UnmarkedObject::Why::NoProjectDirectory:
      return unchecked + "Tolvar nennt kein Projektverzeichnis.";
    case UnmarkedObject::Why::ProjectDirectoryMissing:
      return unchecked + "das Projektverzeichnis " + unmarked.where + " wurde nicht gefunden.";
    case UnmarkedObject::Why::ListNotUpdated:
      break;
  }
  std::string text = "Die Biotoptypen wurden übertragen, aber die Änderungsliste " + unmarked.where +
                     " konnte nicht aktualisiert werden.";
  if (!unmarked.reason.empty()) text += "\r\n" + unmarked.reason;
  return text;
}

}  // namespace

void RunTransfer(TransferKind kind, platform::UserInterface& ui) {
  const TransferKindRow& row = RowOf(kind);
  const std::optional<TransferSelection> selection = CheckTransferSelection(row, ui);
  if (!selection) return;

  tlSetActiveObject(selection->targetId);
  std::optional<std::string> stopped;
  {
    TransferProcess process(row, selection->targetKennung, ui);
    try {
      process.run(selection->ids, selection->targetId);
    } catch (const LibraryError& stop) {
      stopped = process.stoppedText(stop.what());
    }
  }
  // The window is gone and the cursor restored before the user reads why.
  if (stopped) {
    ui.showMessage(platform::MessageKind::Error, *stopped);
    return;
  }
  if (const auto unmarked = MarkObjectChanged(selection->targetId))
    ui.showMessage(platform::MessageKind::Error, TransferredButUnmarked(*unmarked));
}

}  // namespace aggregate
