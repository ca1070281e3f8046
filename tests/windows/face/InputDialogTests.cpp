#include <windows.h>

#include "FaceTests.h"
#include "platform/UserInterface.h"
#include "support/Text.h"

namespace facetests {

using aggregate::platform::ui;
using wintest::Checks;
using wintest::ExpectedDialog;

namespace {

ExpectedDialog keyDialog() {
  ExpectedDialog dialog;
  dialog.caption = L"PKey";
  dialog.texts = {L"Jau"};
  dialog.buttons = {L"OK", L"Abbrechen"};
  dialog.edit = L"0";
  return dialog;
}

std::optional<std::string> askForKey() { return ui().askText("PKey", "Jau", "0"); }

}  // namespace

void inputDialogTests(Context& context) {
  context.run.group("input dialog");

  context.run.run("OK returns the text as typed, blanks included", [&](Checks& checks) {
    ExpectedDialog dialog = keyDialog();
    dialog.type = L" 12";
    dialog.screenshot = "input-dialog";
    std::optional<std::string> answer;
    checks.none(context.watcher.run({dialog}, [&] { answer = askForKey(); }));
    checks.that(answer == " 12", "answer is \" 12\"");
  });

  context.run.run("OK without typing returns the preset", [&](Checks& checks) {
    std::optional<std::string> answer;
    checks.none(context.watcher.run({keyDialog()}, [&] { answer = askForKey(); }));
    checks.that(answer == "0", "answer is the preset 0");
  });

  context.run.run("Abbrechen returns no answer", [&](Checks& checks) {
    ExpectedDialog dialog = keyDialog();
    dialog.type = L"12";
    dialog.press = IDCANCEL;
    std::optional<std::string> answer = "not asked";
    checks.none(context.watcher.run({dialog}, [&] { answer = askForKey(); }));
    checks.that(!answer.has_value(), "no answer after Abbrechen");
  });

  context.run.run("closing the dialog counts as Abbrechen", [&](Checks& checks) {
    ExpectedDialog dialog = keyDialog();
    dialog.press = ExpectedDialog::kCloseButton;
    std::optional<std::string> answer = "not asked";
    checks.none(context.watcher.run({dialog}, [&] { answer = askForKey(); }));
    checks.that(!answer.has_value(), "no answer after closing");
  });

  context.run.run("umlauts typed by the user arrive as UTF-8", [&](Checks& checks) {
    ExpectedDialog dialog = keyDialog();
    dialog.type = L"Maßnahme Größe";
    std::optional<std::string> answer;
    checks.none(context.watcher.run({dialog}, [&] { answer = askForKey(); }));
    checks.that(answer == wintest::utf8(L"Maßnahme Größe"), "answer in UTF-8");
  });
}

}  // namespace facetests
