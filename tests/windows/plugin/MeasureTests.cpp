#include <windows.h>

#include <algorithm>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"
#include "support/Text.h"
#include "support/WindowView.h"

namespace plugintests {

using aggregate::kClassBT;
using aggregate::kClassMAS;

using wintest::Checks;

namespace {

const std::wstring kCaption = L"Aggregation von Maßnahme-Objekten";

long long countOf(const testhost::TestProject& project, const std::string& call) {
  const auto calls = project.calls();
  return std::count(calls.begin(), calls.end(), call);
}

bool deletesRows(const testhost::TestProject& project) {
  const auto calls = project.calls();
  return std::any_of(calls.begin(), calls.end(),
                     [](const std::string& call) { return call.rfind("tlDeleteRecord", 0) == 0; });
}

void checkUpdateBracket(Checks& checks, const testhost::TestProject& project) {
  checks.equal(countOf(project, "tlBeginUpdate"), 1, "tlBeginUpdate calls");
  checks.equal(countOf(project, "tlEndUpdate"), 1, "tlEndUpdate calls");
}

}  // namespace

void measureTests(Context& context) {
  context.run.group("measure aggregation");

  context.run.run("no measure selected: the warning, no window, nothing changed", [&](Checks& checks) {
    auto& project = context.freshProject();
    const int32_t bt = project.addObject("BT-1", kClassBT, 1);
    project.select({bt});
    auto warning = context.dialog(L"Warnung", {L"Kein Objekt der Klasse MAS (Massnahmen) selektiert!"},
                                  {L"OK"}, IDI_WARNING);
    warning.whileShown = [](std::vector<std::string>& problems) {
      if (wintest::findWindow(kCaption) != nullptr) problems.push_back("the measure window is shown");
    };
    int16_t result = 0;
    checks.none(context.watcher.run({warning}, [&] { result = context.plugin.call("BT_FT_FPToMAS"); }));
    checks.equal(result, -1, "result");
    checks.that(project.selection() == std::vector<int32_t>{bt}, "the selection is unchanged");
    checks.that(countOf(project, "tlDeselectAll") == 0, "the selection is not touched");
    checkUpdateBracket(checks, project);
  });

  context.run.run(
      "the project database cannot be opened: the window, the message, no table touched",
      [&](Checks& checks) {
        auto& project = context.freshProject();
        const int32_t measure = project.addObject("M-1", kClassMAS, 1);
        project.addRow(measure, "BtypHtyp", {{"Biotoptyp", "OZ"}});
        project.select({measure});
        const std::wstring database = wintest::fromAnsi(context.projectDirectory) + L"Projekt.mdb";
        auto failure = context.dialog(
            L"Fehler",
            {L"Verbindung zur Projektdatenbank " + database +
             L"  konnte nicht aufgebaut werden!\r\nCould not find file '" + database + L"'. (0x80004005)"},
            {L"OK"}, IDI_ERROR);
        failure.screenshot = "measure-database-failure";
        failure.whileShown = [](std::vector<std::string>& problems) {
          const HWND window = wintest::findWindow(kCaption);
          if (window == nullptr) {
            problems.push_back("the measure window is not shown");
            return;
          }
          const auto view = wintest::inspect(window);
          const std::wstring cancel = L"Abbrechen";
          if (view.control(L"Button", &cancel) == nullptr) problems.push_back("no Abbrechen button");
          if ((view.style & WS_SYSMENU) != 0) problems.push_back("the measure window has title-bar buttons");
          if (view.client.cx != 257 || view.client.cy != 77)
            problems.push_back("the measure window is not 257 x 77");
        };
        int16_t result = 0;
        checks.none(context.watcher.run({failure}, [&] { result = context.plugin.call("BT_FT_FPToMAS"); }));
        checks.equal(result, -1, "result");
        const auto record = project.adoRecord();
        checks.that(std::find(record.begin(), record.end(),
                              "  refused: Could not find file '" + context.projectDirectory +
                                  "Projekt.mdb'.") != record.end(),
                    "ADO was asked and refused the missing file");
        checks.that(std::none_of(record.begin(), record.end(),
                                 [](const std::string& line) { return line.rfind("Recordset.", 0) == 0; }),
                    "no table is opened");
        checks.that(!deletesRows(project), "no table of the measure is touched");
        checks.equal(static_cast<long long>(project.rows(measure, "BtypHtyp").size()), 1,
                     "the measure keeps its row");
        checks.that(wintest::findWindow(kCaption) == nullptr, "the window is gone afterwards");
        checkUpdateBracket(checks, project);
      });

  measureRunTests(context);
}

}  // namespace plugintests
