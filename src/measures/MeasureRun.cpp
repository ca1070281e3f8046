#include "measures/MeasureRun.h"

#include <optional>
#include <string>

#include "common/BusyFlag.h"
#include "common/IntegerList.h"
#include "common/LibraryError.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/UpdateBracket.h"
#include "measures/BiotopTypesOfMeasure.h"
#include "measures/FundortArtenOfMeasure.h"
#include "platform/TextEncoding.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {

// What FindSelectedMAS gathers and the loop counts; lives for one run.
struct MeasureRunState {
  IntegerList MASObjectList;       // selected measures, in the host's order
  IntegerList SelectedObjectList;  // every selected object, to restore the selection
  int32_t MASCounter = 0;
  std::string MASTotalText;
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

void AggregateMASObject(int32_t measureId, TFrmAggregateMAS& form, const MeasureRunState& run) {
  form.SetKennungsLabel(measureId, run.MASCounter, run.MASTotalText);
  form.DeleteTargetData(measureId);
  TBiotopTypDataSets biotopTypes;
  TFundortDataSets fundorte;
  CollectBiotopTypes(measureId, form, biotopTypes);
  MarkBiotopTypDoublettes(biotopTypes);
  CalcFlaechenanteile(measureId, biotopTypes);
  WriteBiotopTypDataSets(biotopTypes);
  // After the biotope types: the species go beneath an "OZ" row that step may have written.
  CollectFundortArten(measureId, form, fundorte);
  MarkFundortDoubletten(fundorte);
  WriteFundortDataSets(fundorte);
}

// A failing measure may be left emptied or half written, so the user learns which one it was.
void AggregateMASObjectNamingFailure(int32_t measureId, TFrmAggregateMAS& form, const MeasureRunState& run) {
  try {
    AggregateMASObject(measureId, form, run);
  } catch (const std::exception& failure) {
    throw LibraryError(Ansi("Die Maßnahme ") + form.LabelAktuellesObjekt() +
                       Ansi(" wurde nicht vollständig aggregiert:\r\n") + failure.what());
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
  TFrmAggregateMAS form;

  tlIterateObjects(0, "aggregate.dll", "FindSelectedMAS");
  if (state.MASObjectList.size() == 0) {
    platform::ui().showMessage(platform::MessageKind::Warning,
                               Ansi("Kein Objekt der Klasse MAS (Massnahmen) selektiert!"));
    return;
  }
  hourglass.emplace();
  form.show();
  // Without a database every measure would be emptied and then fail; the user has been told.
  if (!form.OpenProjektDB()) return;
  tlDeselectAll();
  state.MASTotalText = std::to_string(state.MASObjectList.size());
  for (int32_t i = 0; i < state.MASObjectList.size(); ++i) {
    const int32_t measureId = state.MASObjectList[i];
    ++state.MASCounter;
    tlSetActiveObject(measureId);
    tlEnsureData(measureId);
    AggregateMASObjectNamingFailure(measureId, form, state);
    // Cancel is only honoured here, so that no measure is left half written.
    form.processMessages();
    if (form.blnCancelPressed()) break;
  }
  for (int32_t i = 0; i < state.SelectedObjectList.size(); ++i) tlAddToSelection(state.SelectedObjectList[i]);
}

}  // namespace

void AggregateSelectedMeasures() {
  if (BusyFlag) return;
  const BusyFlagHold busy;
  RunMASAggregation();
}

void FindSelectedMAS(const TObjectInfo* info) {
  if (!currentRun || info == nullptr) return;
  if (info->ClassCode == kClassMAS) currentRun->MASObjectList.add(info->ObjectID);
  currentRun->SelectedObjectList.add(info->ObjectID);
}

}  // namespace aggregate
