#include "measures/MeasureRun.h"

#include <optional>
#include <string>

#include "common/BusyFlag.h"
#include "common/IntegerList.h"
#include "common/LibraryError.h"
#include "hostdata/ActiveObject.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/UpdateBracket.h"
#include "measures/BiotopeTypesOfMeasure.h"
#include "measures/EmptyMeasureTables.h"
#include "measures/MeasureProgressWindow.h"
#include "measures/ProjectDatabaseConnection.h"
#include "measures/TaxaOfMeasure.h"
#include "platform/UserInterface.h"
#include "platform/WaitCursor.h"

namespace aggregate {

namespace {

// What FindSelectedMAS gathers and the loop counts; lives for one run.
struct MeasureRunState {
  IntegerList measureIds;   // selected measures, in the host's order
  IntegerList selectedIds;  // every selected object, to restore the selection
  int32_t counter = 0;
  std::string totalText;
};

std::optional<MeasureRunState> currentRun;

class CurrentRunScope {
 public:
  CurrentRunScope() { currentRun.emplace(); }
  ~CurrentRunScope() { currentRun.reset(); }
  CurrentRunScope(const CurrentRunScope&) = delete;
  CurrentRunScope& operator=(const CurrentRunScope&) = delete;
  MeasureRunState& state() { return *currentRun; }
};

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

void AggregateMASObject(int32_t measureId, ProjectDatabaseConnection& database,
                        MeasureProgressWindow& progress, const MeasureRunState& run) {
  const bool activated = MakeActive(measureId);
  tlEnsureData(measureId);
  progress.showMeasure(measureId, run.counter, run.totalText);
  // The tables below would be those of the object active before: another measure's, or worse.
  if (!activated) throw LibraryError("Sie ließ sich nicht zum aktiven Objekt machen und ist unverändert.");
  EmptyMeasureTables();
  MeasureBiotopeTypes biotopeTypes;
  MeasureTaxonList species;
  CollectBiotopeTypes(measureId, database, progress, biotopeTypes);
  MarkDuplicateBiotopeTypes(biotopeTypes);
  CalculateShares(measureId, biotopeTypes);
  WriteBiotopeTypes(biotopeTypes);
  // After the biotope types: the species go beneath an "OZ" row that step may have written.
  CollectTaxa(measureId, database, progress, species);
  MarkDuplicateTaxa(species);
  WriteTaxonList(species);
}

// A failing measure may be left emptied or half written, so the user learns which one it was.
void AggregateMASObjectNamingFailure(int32_t measureId, ProjectDatabaseConnection& database,
                                     MeasureProgressWindow& progress, const MeasureRunState& run) {
  try {
    AggregateMASObject(measureId, database, progress, run);
  } catch (const std::exception& failure) {
    throw LibraryError(std::string("Die Maßnahme ") + progress.label() +
                       " wurde nicht vollständig aggregiert:\r\n" + failure.what());
  }
}

// Fills every selected measure anew from the BT, FT and FP objects lying on it.
void RunMASAggregation() {
  // Declared in the reverse order of the clean-up: database and window first, then the update
  // bracket, the lists and last the cursor.
  std::optional<platform::WaitCursor> hourglass;
  CurrentRunScope run;
  MeasureRunState& state = run.state();
  const UpdateBracket update;
  MeasureProgressWindow progress;
  ProjectDatabaseConnection database;

  tlIterateObjects(0, "aggregate.dll", "FindSelectedMAS");
  if (state.measureIds.size() == 0) {
    platform::ui().showMessage(platform::MessageKind::Warning,
                               "Kein Objekt der Klasse MAS (Massnahmen) selektiert!");
    return;
  }
  hourglass.emplace();
  progress.show();
  // Without a database every measure would be emptied and then fail; the user has been told.
  if (!database.open()) return;
  const SelectionSwap selectionSwap(state.selectedIds);
  state.totalText = std::to_string(state.measureIds.size());
  for (int32_t i = 0; i < state.measureIds.size(); ++i) {
    const int32_t measureId = state.measureIds[i];
    ++state.counter;
    AggregateMASObjectNamingFailure(measureId, database, progress, state);
    // Cancel is only honoured here, so that no measure is left half written.
    progress.processMessages();
    if (progress.cancelPressed()) break;
  }
}

}  // namespace

void AggregateSelectedMeasures() {
  if (BusyFlag) return;
  const BusyFlagHold busy;
  RunMASAggregation();
}

void FindSelectedMAS(const TObjectInfo* info) {
  if (!currentRun || info == nullptr) return;
  if (info->ClassCode == kClassMAS) currentRun->measureIds.add(info->ObjectID);
  currentRun->selectedIds.add(info->ObjectID);
}

}  // namespace aggregate
