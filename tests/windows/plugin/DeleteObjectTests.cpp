#include <windows.h>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"
#include "support/Text.h"
#include "support/WindowView.h"

namespace plugintests {

using aggregate::kClassBT;

using wintest::Checks;
using wintest::ExpectedDialog;

namespace {

std::vector<int32_t> keysOf(const std::vector<testhost::Row>& rows) {
  std::vector<int32_t> keys;
  for (const auto& row : rows) keys.push_back(row.key);
  return keys;
}

// An active BT object with the BtypHtyp rows 11, 12 and 13; its id.
int32_t objectWithThreeRows(testhost::TestProject& project) {
  const int32_t id = project.addObject("BT-1", kClassBT, 2.0);
  for (const int32_t key : {11, 12, 13}) project.addRow(id, "BtypHtyp", {{"Biotoptyp", "WXA"}}, 0, key);
  project.activate(id);
  return id;
}

}  // namespace

void deleteObjectTests(Context& context) {
  context.run.group("deleteObject");

  auto keyDialog = [&](std::wstring typed, int press) {
    ExpectedDialog dialog = context.dialog(L"PKey", {L"Jau"}, {L"OK", L"Abbrechen"});
    dialog.edit = L"0";
    dialog.type = std::move(typed);
    dialog.press = press;
    return dialog;
  };

  context.run.run("the answer 12 preceded by a blank deletes the row with key 12", [&](Checks& checks) {
    auto& project = context.freshProject();
    const int32_t id = objectWithThreeRows(project);
    ExpectedDialog dialog = keyDialog(L" 12", IDOK);
    dialog.screenshot = "deleteObject-input";
    int16_t result = 0;
    checks.none(context.watcher.run({dialog}, [&] { result = context.plugin.call("deleteObject"); }));
    checks.equal(result, -1, "result");
    checks.that(project.called("tlDeleteRecord BtypHtyp 12"), "tlDeleteRecord (BtypHtyp, 12)");
    checks.that(keysOf(project.rows(id, "BtypHtyp")) == std::vector<int32_t>{11, 13},
                "rows 11 and 13 remain");
  });

  context.run.run("Abbrechen gives the preset: tlDeleteRecord with key 0 deletes nothing", [&](Checks&
                                                                                                   checks) {
    auto& project = context.freshProject();
    const int32_t id = objectWithThreeRows(project);
    int16_t result = 0;
    checks.none(context.watcher.run({keyDialog(L"12", IDCANCEL)},
                                    [&] { result = context.plugin.call("deleteObject"); }));
    checks.equal(result, -1, "result");
    checks.that(project.called("tlDeleteRecord BtypHtyp 0"), "tlDeleteRecord (BtypHtyp, 0)");
    checks.that(keysOf(project.rows(id, "BtypHtyp")) == std::vector<int32_t>{11, 12, 13}, "all rows remain");
  });

  for (const std::wstring answer : {L"abc", L"12 "}) {
    context.run.run("the answer '" + wintest::utf8(answer) + "' deletes nothing and is reported",
                    [&](Checks& checks) {
                      auto& project = context.freshProject();
                      const int32_t id = objectWithThreeRows(project);
                      int16_t result = 0;
                      const ExpectedDialog report = context.dialog(L"Fehler", {}, {L"OK"}, IDI_ERROR);
                      checks.none(context.watcher.run({keyDialog(answer, IDOK), report},
                                                      [&] { result = context.plugin.call("deleteObject"); }));
                      checks.equal(result, -1, "result");
                      for (const auto& call : project.calls())
                        checks.that(call.rfind("tlDeleteRecord", 0) != 0, "no " + call);
                      checks.that(keysOf(project.rows(id, "BtypHtyp")) == std::vector<int32_t>{11, 12, 13},
                                  "all rows remain");
                    });
  }

  context.run.run(
      "with another host window active the dialog blocks every host window: a click starts "
      "nothing",
      [&](Checks& checks) {
        auto& project = context.freshProject();
        const int32_t id = objectWithThreeRows(project);
        const HostSideWindow legend;
        SetActiveWindow(legend.handle());
        context.window.onClick([&] { context.plugin.call("BTToGB"); });
        ExpectedDialog dialog = keyDialog(L"12", IDOK);
        dialog.whileShown = [&](std::vector<std::string>& problems) {
          if (IsWindowEnabled(legend.handle()) != FALSE)
            problems.push_back("the active host window is not blocked");
          wintest::clickAt(HostMainWindow::freePoint());
          Sleep(1000);
        };
        checks.none(context.watcher.run({dialog}, [&] { context.plugin.call("deleteObject"); }));
        checks.equal(context.window.clicks(), 0, "the click reached no host window");
        checks.that(
            IsWindowEnabled(context.window.handle()) != FALSE && IsWindowEnabled(legend.handle()) != FALSE,
            "the host windows are enabled again");
        checks.that(keysOf(project.rows(id, "BtypHtyp")) == std::vector<int32_t>{11, 13},
                    "the row of the answer is deleted");
        context.window.onClick(nullptr);
        wintest::clickAt(HostMainWindow::freePoint());
        wintest::dispatchMessagesFor(1000);
        checks.equal(context.window.clicks(), 1, "without a dialog the same click reaches the host");
        SetActiveWindow(context.window.handle());
      });
}

}  // namespace plugintests
