#include <windows.h>

#include <algorithm>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"
#include "support/Text.h"
#include "support/WindowView.h"

namespace plugintests {

using aggregate::kClassBT;
using aggregate::kClassFSN;
using aggregate::kClassGB;
using wintest::Checks;

namespace {

const std::wstring kCaption = L"Datenübertragung BT -> GB";

struct Selection {
  int32_t bt1 = 0;
  int32_t bt2 = 0;
  int32_t gb = 0;
};

// Two BT objects of 2 ha and 1.5 ha with one equal biotope-type row each, and a GB target
// without rows; all three selected.
Selection twoSourcesAndTarget(testhost::TestProject& project) {
  const testhost::Values row = {{"Biotoptyp", "WXA"}, {"Oekotyp", ""}, {"P62_Typ", ""}, {"FLAECHE", ""}};
  Selection selection{project.addObject("BT-1", kClassBT, 2.0), project.addObject("BT-2", kClassBT, 1.5),
                      project.addObject("GB-1", kClassGB, 3.5)};
  project.addRow(selection.bt1, "BtypHtyp", row);
  project.addRow(selection.bt2, "BtypHtyp", row);
  project.select({selection.bt1, selection.bt2, selection.gb});
  return selection;
}

bool setsActiveObject(const testhost::TestProject& project) {
  const auto calls = project.calls();
  return std::any_of(calls.begin(), calls.end(),
                     [](const std::string& call) { return call.rfind("tlSetActiveObject", 0) == 0; });
}

void checkMergedTarget(Checks& checks, const testhost::TestProject& project, int32_t target) {
  const auto rows = project.rows(target, "BtypHtyp");
  checks.equal(static_cast<long long>(rows.size()), 1, "rows of the target");
  if (rows.size() != 1) return;
  checks.that(rows.front().values.at("Biotoptyp") == "WXA", "the biotope type arrived");
  // The areas are summed and written with the user's decimal comma.
  checks.that(rows.front().values.count("FLAECHE") == 1 && rows.front().values.at("FLAECHE") == "3,5",
              "FLAECHE is 3,5");
}

}  // namespace

void transferTests(Context& context) {
  context.run.group("transfer");
  const auto error = [&](const std::wstring& text) {
    return context.dialog(L"Fehler", {text}, {L"OK"}, IDI_ERROR);
  };

  context.run.run("nothing selected: two messages in order, and no run", [&](Checks& checks) {
    auto& project = context.freshProject();
    auto first = error(L"Es muss mindestens ein Objekt der Klasse BT (Biotoptypen) ausgewählt sein!");
    first.screenshot = "transfer-selection";
    const auto second =
        error(L"Es muss genau ein Objekt der Klasse GB (Gesetzlich geschuetzte Biotope) ausgewählt sein!");
    int16_t result = 0;
    checks.none(context.watcher.run({first, second}, [&] { result = context.plugin.call("BTToGB"); }));
    checks.equal(result, -1, "result");
    checks.that(project.called("tlIterateObjects 0 aggregate.dll CheckObjectSelection"),
                "the selection is iterated through CheckObjectSelection");
    checks.that(!setsActiveObject(project), "no run starts");
  });

  context.run.run("BT, GB and FSN selected: only the message about other classes", [&](Checks& checks) {
    auto& project = context.freshProject();
    project.select({project.addObject("BT-1", kClassBT, 1), project.addObject("GB-1", kClassGB, 1),
                    project.addObject("FSN-1", kClassFSN, 1)});
    const auto only = error(
        L"Es dürfen nur Objekte der Klassen GB (Gesetzlich geschuetzte Biotope) und BT (Biotoptypen) "
        L"ausgewählt sein!");
    int16_t result = 0;
    checks.none(context.watcher.run({only}, [&] { result = context.plugin.call("BTToGB"); }));
    checks.equal(result, -1, "result");
    checks.that(!setsActiveObject(project), "no run starts");
  });

  context.run.run("the progress window names the transfer and shows each step", [&](Checks& checks) {
    auto& project = context.freshProject();
    const Selection selection = twoSourcesAndTarget(project);
    std::vector<std::wstring> statuses;
    bool pictured = false;
    // The run dispatches no messages, so the host looks at the window during its calls.
    project.setCallObserver([&](const std::string&) {
      const HWND window = wintest::findWindow(kCaption);
      if (window == nullptr) return;
      const auto view = wintest::inspect(window);
      const auto* label = view.control(L"Static");
      if (label == nullptr || (!statuses.empty() && statuses.back() == label->text)) return;
      statuses.push_back(label->text);
      checks.that((view.style & WS_SYSMENU) == 0, "no title-bar buttons");
      checks.that(IsWindowEnabled(context.window.handle()) == FALSE, "the host window is disabled");
      checks.equal(view.client.cx, 380, "client width");
      checks.equal(view.client.cy, 29, "client height");
      if (!pictured && label->text != L"Start") pictured = context.screenshots.take("transfer-progress");
    });
    int16_t result = 0;
    checks.none(context.watcher.run({}, [&] { result = context.plugin.call("BTToGB"); }));
    project.setCallObserver(nullptr);
    checks.equal(result, -1, "result");
    std::erase(statuses, L"Start");
    checks.that(statuses == std::vector<std::wstring>{L"Lese Daten von BT-1", L"Lese Daten von BT-2",
                                                      L"Lese Daten von GB-1", L"Schreibe Daten"},
                "status lines in the order of the run");
    checks.that(pictured, "screenshot transfer-progress");
    checks.that(wintest::findWindow(kCaption) == nullptr, "the window is gone afterwards");
    checkMergedTarget(checks, project, selection.gb);
  });

  context.run.run(
      "a change list that cannot be opened: the transfer stands and the user is told", [&](Checks& checks) {
        auto& project = context.freshProject();
        const Selection selection = twoSourcesAndTarget(project);
        const std::wstring changeList = wintest::fromAnsi(context.projectDirectory) + L"TA_LIST.DBF";
        const HANDLE file =
            CreateFileW(changeList.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
        auto told = context.dialog(L"Fehler", {}, {L"OK"}, IDI_ERROR);
        told.screenshot = "transfer-change-list";
        int16_t result = 0;
        checks.none(context.watcher.run({told}, [&] { result = context.plugin.call("BTToGB"); }));
        checks.equal(result, -1, "result");
        checkMergedTarget(checks, project, selection.gb);
        DeleteFileW(changeList.c_str());
      });
}

}  // namespace plugintests
