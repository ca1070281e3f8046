// The measure aggregation run through the ADO stand-in: the project database answers the
// queries from the test project, as Jet answers them from the project's Access file.
#include <windows.h>

#include <algorithm>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"
#include "support/Text.h"
#include "support/WindowView.h"

namespace plugintests {

using aggregate::kClassBT;
using aggregate::kClassFP;
using aggregate::kClassFT;
using aggregate::kClassMAS;
using wintest::Checks;

namespace {

const std::wstring kCaption = L"Aggregation von Maßnahme-Objekten";
const char* const kMeasureTables[] = {"BtypHtyp",      "Zusatzcodes", "Vegetationstyp", "Schichtung",
                                      "Pflanzenliste", "Tierliste",   "PlanungRelArten"};

struct Measures {
  int32_t first = 0;
  int32_t second = 0;
  int32_t third = 0;
};

// Three measures of 4, 2 and 1 ha. On the first lie two biotope-type objects, on the second one
// of them and an animal find site, on the third a plant find site. Each measure holds an old
// row that the run replaces.
Measures threeMeasures(testhost::TestProject& project) {
  const Measures measures{project.addObject("M-1", kClassMAS, 4), project.addObject("M-2", kClassMAS, 2),
                          project.addObject("M-3", kClassMAS, 1)};
  const int32_t meadow = project.addObject("BT-1", kClassBT, 3);
  const int32_t grassland = project.addObject("BT-2", kClassBT, 1);
  const int32_t frogs = project.addObject("FT-1", kClassFT, 0);
  const int32_t sedge = project.addObject("FP-1", kClassFP, 0);
  project.addRow(meadow, "BtypHtyp", {{"Biotoptyp", "WXA"}, {"Oekotyp", "6510"}});
  project.addRow(grassland, "BtypHtyp", {{"Biotoptyp", "xGM"}, {"Bemerkung", "feucht"}});
  project.addRow(frogs, "Tierliste", {{"Tierart", "Rana temporaria"}});
  project.addRow(sedge, "Pflanzenliste", {{"Pflanzenart", "Carex nigra"}});
  for (const int32_t measure : {measures.first, measures.second, measures.third})
    project.addRow(measure, "BtypHtyp", {{"Biotoptyp", "ALT"}});
  project.overlap(measures.first, meadow, 1.5);
  project.overlap(measures.first, grassland, 0.5);
  project.overlap(measures.second, meadow, 1);
  project.overlap(measures.second, frogs, 0);
  project.overlap(measures.third, sedge, 0);
  project.select({measures.first, measures.second, measures.third});
  return measures;
}

// Every row of the measure's tables with its filled values, one line each.
std::vector<std::string> dump(const testhost::TestProject& project, int32_t measure) {
  std::vector<std::string> lines;
  for (const char* table : kMeasureTables) {
    for (const testhost::Row& row : project.rows(measure, table)) {
      std::string line = table;
      for (const auto& [field, value] : row.values)
        if (!value.empty()) line += " " + field + "=" + value;
      lines.push_back(line);
    }
  }
  return lines;
}

// Follows the measure window's label during the run; Abbrechen is clicked when cancelAt shows.
struct LabelWatch {
  std::vector<std::wstring> labels;
  bool pictured = false;
  std::wstring cancelAt;

  void look(const Context& context) {
    const HWND window = wintest::findWindow(kCaption);
    if (window == nullptr) return;
    const auto view = wintest::inspect(window);
    const auto* label = view.control(L"Static");
    if (label == nullptr || label->text.empty() || (!labels.empty() && labels.back() == label->text)) return;
    labels.push_back(label->text);
    if (!pictured && label->text.find(L"(2 von 3)") != std::wstring::npos)
      pictured = context.screenshots.take("measure-progress");
    const std::wstring cancel = L"Abbrechen";
    const auto* button = view.control(L"Button", &cancel);
    if (!cancelAt.empty() && label->text == cancelAt && button != nullptr)
      PostMessageW(button->handle, BM_CLICK, 0, 0);
  }
};

int16_t runMeasures(Context& context, testhost::TestProject& project, LabelWatch& watch, Checks& checks) {
  project.setCallObserver([&](const std::string&) { watch.look(context); });
  int16_t result = 0;
  checks.none(context.watcher.run({}, [&] { result = context.plugin.call("BT_FT_FPToMAS"); }));
  project.setCallObserver(nullptr);
  return result;
}

bool refusedNothing(const testhost::TestProject& project) {
  const auto record = project.adoRecord();
  return std::none_of(record.begin(), record.end(),
                      [](const std::string& line) { return line.rfind("  refused", 0) == 0; });
}

}  // namespace

void measureRunTests(Context& context) {
  context.run.run(
      "three measures: their rows, the label counting, the selection back, a second run the same",
      [&](Checks& checks) {
        auto& project = context.freshProject();
        context.createProjectDatabase();
        const Measures measures = threeMeasures(project);
        LabelWatch watch;
        checks.equal(runMeasures(context, project, watch, checks), -1, "result");
        checks.that(
            watch.labels == std::vector<std::wstring>{L"M-1 (1 von 3)", L"M-2 (2 von 3)", L"M-3 (3 von 3)"},
            "the label names each measure and counts");
        checks.that(watch.pictured, "screenshot measure-progress");
        checks.that(refusedNothing(project), "the stand-in accepted every statement");
        const auto first = dump(project, measures.first);
        const auto second = dump(project, measures.second);
        const auto third = dump(project, measures.third);
        checks.that(first == std::vector<std::string>{"BtypHtyp Biotoptyp=WXA FLAECHE=1,5 "
                                                      "Flaechenanteil=37,5 Oekotyp=6510",
                                                      "BtypHtyp Bemerkung=feucht Biotoptyp=GM FLAECHE=0,5 "
                                                      "Flaechenanteil=12,5"},
                    "the first measure's biotope types with shared areas and shares");
        checks.that(
            second == std::vector<std::string>{"BtypHtyp Biotoptyp=WXA FLAECHE=1 "
                                               "Flaechenanteil=50 Oekotyp=6510",
                                               "BtypHtyp Biotoptyp=OZ", "Vegetationstyp Vegetationstyp=OZ",
                                               "Schichtung Schicht=OZ",
                                               "PlanungRelArten PlanRel_T_Art=Rana temporaria"},
            "the second measure's biotope type and animal");
        checks.that(
            third == std::vector<std::string>{"BtypHtyp Biotoptyp=OZ", "Vegetationstyp Vegetationstyp=OZ",
                                              "Schichtung Schicht=OZ",
                                              "PlanungRelArten PlanRel_P_Art=Carex nigra"},
            "the third measure's plant");
        checks.that(
            project.selection() == std::vector<int32_t>{measures.first, measures.second, measures.third},
            "the selection is restored");

        LabelWatch again;
        runMeasures(context, project, again, checks);
        checks.that(dump(project, measures.first) == first && dump(project, measures.second) == second &&
                        dump(project, measures.third) == third,
                    "a second run writes the same rows");
      });

  context.run.run("Abbrechen during the second measure: the third stays as it was", [&](Checks& checks) {
    auto& project = context.freshProject();
    context.createProjectDatabase();
    const Measures measures = threeMeasures(project);
    LabelWatch watch;
    watch.cancelAt = L"M-2 (2 von 3)";
    checks.equal(runMeasures(context, project, watch, checks), -1, "result");
    checks.that(watch.labels == std::vector<std::wstring>{L"M-1 (1 von 3)", L"M-2 (2 von 3)"},
                "the run ends after the current measure");
    checks.equal(static_cast<long long>(dump(project, measures.second).size()), 5,
                 "the second measure is complete");
    checks.that(dump(project, measures.third) == std::vector<std::string>{"BtypHtyp Biotoptyp=ALT"},
                "the third measure keeps its old row");
    checks.that(project.selection() == std::vector<int32_t>{measures.first, measures.second, measures.third},
                "the selection is restored");
    checks.that(wintest::findWindow(kCaption) == nullptr, "the window is gone afterwards");
  });

  context.run.run(
      "the project database: the connection string, no login prompt, the statements", [&](Checks& checks) {
        auto& project = context.freshProject();
        context.createProjectDatabase();
        const Measures measures = threeMeasures(project);
        project.select({measures.first});
        LabelWatch watch;
        runMeasures(context, project, watch, checks);
        const auto record = project.adoRecord();
        const auto at = [&](const std::string& line) {
          return static_cast<long long>(std::find(record.begin(), record.end(), line) - record.begin());
        };
        const long long end = static_cast<long long>(record.size());
        const long long connect =
            at("Connection.ConnectionString = 'Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
               context.projectDirectory + "Projekt.mdb;Persist Security Info=False'");
        const long long prompt = at("Property(Prompt).Value = 4");
        const long long open = at("Connection.Open");
        checks.that(connect < end,
                    "the connection string names the project database, unquoted, with its blank");
        checks.that(connect < prompt && prompt < open && open < end,
                    "the login prompt is off before connecting");
        for (const char* table : {"BTypHTyp", "PlanungRelArten", "Vegetationstyp", "Schichtung"})
          checks.that(at("Recordset.Open('" + std::string(table) + "', Connection, 0, 1, 2)") < end,
                      std::string("the table ") + table + " is opened");
        checks.that(at("Recordset.Open('select PKey from BtypHtyp\r\nwhere TOLVARID = " +
                       std::to_string(project.idOf("BT-1")) + "', Connection, 0, 1, 1)") < end,
                    "the keys of a biotope-type object are selected");
        checks.that(at("Connection.Close") < end, "the connection is closed at the end");
        checks.that(refusedNothing(project), "the stand-in accepted every statement");
      });

  context.run.run(
      "a click on the host window while the measure window shows starts no command", [&](Checks& checks) {
        auto& project = context.freshProject();
        context.createProjectDatabase();
        const Measures measures = threeMeasures(project);
        context.window.onClick([&] { context.plugin.call("BTToGB"); });
        bool clicked = false;
        bool blocked = false;
        // The host's message loop runs inside its calls, here inside tlSetActiveObject.
        project.setCallObserver([&](const std::string& call) {
          if (clicked || call.rfind("tlSetActiveObject", 0) != 0 || wintest::findWindow(kCaption) == nullptr)
            return;
          clicked = true;
          blocked = IsWindowEnabled(context.window.handle()) == FALSE;
          wintest::clickAt(HostMainWindow::freePoint());
          wintest::dispatchMessagesFor(1000);
        });
        int16_t result = 0;
        checks.none(context.watcher.run({}, [&] { result = context.plugin.call("BT_FT_FPToMAS"); }));
        project.setCallObserver(nullptr);
        checks.equal(result, -1, "result");
        checks.that(clicked && blocked, "the host window is disabled while the window shows");
        checks.equal(context.window.clicks(), 0, "the click reached no host window");
        checks.equal(static_cast<long long>(dump(project, measures.second).size()), 5,
                     "the second measure is complete");
        checks.that(
            project.selection() == std::vector<int32_t>{measures.first, measures.second, measures.third},
            "the selection is restored");
        checks.that(IsWindowEnabled(context.window.handle()) != FALSE, "the host window is enabled again");
        context.window.onClick(nullptr);
        wintest::clickAt(HostMainWindow::freePoint());
        wintest::dispatchMessagesFor(1000);
        checks.equal(context.window.clicks(), 1, "without the window the same click reaches the host");
      });
}

}  // namespace plugintests
