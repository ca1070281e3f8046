#include "massnahmen/MassnahmenRun.h"

#include <memory>
#include <optional>
#include <string>

#include "common/BusyFlag.h"
#include "common/IntegerList.h"
#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/ObjectData.h"
#include "hostdata/SelectedObjects.h"
#include "hostdata/UpdateBracket.h"
#include "massnahmen/ArtenOfMassnahme.h"
#include "massnahmen/BiotoptypenOfMassnahme.h"
#include "massnahmen/EmptyMassnahmeTables.h"
#include "massnahmen/MassnahmenProgressWindow.h"
#include "massnahmen/ProjectDatabaseConnection.h"
#include "platform/WaitCursor.h"

namespace aggregate {

namespace {

// The Massnahmen among the selected objects, and every selected object to restore the selection,
// each in the host's order.
struct MassnahmenSelection {
  IntegerList massnahmeIds;
  IntegerList selectedIds;
};

MassnahmenSelection CollectMassnahmen() {
  MassnahmenSelection selection;
  for (const SelectedObject& object : CollectSelection("FindSelectedMAS")) {
    if (object.classCode == kClassMAS) selection.massnahmeIds.add(object.id);
    selection.selectedIds.add(object.id);
  }
  return selection;
}

// Deselects for the run and gives the user back the selection on every way out, a failure included.
class SelectionSwap {
 public:
  explicit SelectionSwap(const IntegerList& selected) : selected_(selected) { tlDeselectAll(); }
  ~SelectionSwap() {
    for (int32_t i = 0; i < selected_.size(); ++i) tlAddToSelection(selected_[i]);
  }
  SelectionSwap(const SelectionSwap&) = delete;
  SelectionSwap& operator=(const SelectionSwap&) = delete;

 private:
  const IntegerList& selected_;
};

void AggregateMassnahme(int32_t massnahmeId, platform::ProjectDatabase& database,
                        MassnahmenProgressWindow& progress, platform::UserInterface& ui) {
  EmptyMassnahmeTables();
  MassnahmeBiotoptypen biotoptypen;
  MassnahmeArten arten;
  CollectBiotoptypen(massnahmeId, database, progress, ui, biotoptypen);
  MarkDuplicateBiotoptypen(biotoptypen);
  CalculateShares(massnahmeId, biotoptypen);
  WriteBiotoptypen(biotoptypen);
  // After the Biotoptypen: the species go beneath an "OZ" row that step may have written.
  CollectArten(massnahmeId, database, progress, ui, arten);
  MarkDuplicateArten(arten);
  WriteArten(arten);
}

void RunMassnahmenAggregation(platform::UserInterface& ui) {
  // Declared in the reverse order of the clean-up: database and window first, then the update
  // bracket and last the cursor.
  std::optional<platform::WaitCursor> hourglass;
  const UpdateBracket update;
  MassnahmenProgressWindow progress(ui);
  std::unique_ptr<platform::ProjectDatabase> database;

  const MassnahmenSelection selection = CollectMassnahmen();
  if (selection.massnahmeIds.size() == 0) {
    ui.showMessage(platform::MessageKind::Warning, "Kein Objekt der Klasse MAS (Massnahmen) selektiert!");
    return;
  }
  hourglass.emplace(ui);
  progress.show();
  // Without a database every Massnahme would be emptied and then fail; the user has been told.
  database = ConnectProjectDatabase(ui);
  if (!database) return;
  const SelectionSwap selectionSwap(selection.selectedIds);
  const std::string totalText = std::to_string(selection.massnahmeIds.size());
  for (int32_t i = 0; i < selection.massnahmeIds.size(); ++i) {
    const int32_t massnahmeId = selection.massnahmeIds[i];
    const bool activated = MakeActive(massnahmeId);
    tlEnsureData(massnahmeId);
    progress.showMassnahme(massnahmeId, i + 1, totalText);
    // A Massnahme that fails may be left emptied or half written: the user learns which one.
    try {
      // The tables below would be those of the object active before: another Massnahme's, or worse.
      if (!activated)
        throw LibraryError("Sie ließ sich nicht zum aktiven Objekt machen und ist unverändert.");
      AggregateMassnahme(massnahmeId, *database, progress, ui);
    } catch (const LibraryError& failure) {
      throw LibraryError("Die Maßnahme " + progress.label() + " wurde nicht vollständig aggregiert:\r\n" +
                         failure.what());
    }
    // Cancel is only honoured here, so that no Massnahme is left half written.
    progress.processMessages();
    if (progress.cancelPressed()) break;
  }
}

}  // namespace

void AggregateSelectedMassnahmen(platform::UserInterface& ui) {
  if (BusyFlag) return;
  const BusyFlagHold busy;
  RunMassnahmenAggregation(ui);
}

}  // namespace aggregate
