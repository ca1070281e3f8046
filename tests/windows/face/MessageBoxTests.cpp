#include <windows.h>

#include "FaceTests.h"
#include "platform/UserInterface.h"
#include "support/Text.h"
#include "support/WindowView.h"

namespace facetests {

using aggregate::platform::MessageKind;
using aggregate::platform::ui;
using wintest::Checks;
using wintest::ExpectedDialog;

namespace {

void expectBox(Context& context, const std::string& name, MessageKind kind, const std::wstring& caption,
               const std::wstring& text, LPCWSTR icon, const std::string& screenshot) {
  context.run.run(name, [&](Checks& checks) {
    ExpectedDialog expected;
    expected.caption = caption;
    expected.texts = {text};
    expected.buttons = {L"OK"};
    expected.icon = icon;
    expected.screenshot = screenshot;
    checks.none(context.watcher.run({expected}, [&] { ui().showMessage(kind, wintest::utf8(text)); }));
  });
}

}  // namespace

void messageBoxTests(Context& context) {
  context.run.group("message boxes");
  const std::wstring twoLines =
      L"ha-%-Umrechnung ohne Gesamtflächenangabe nicht möglich!\r\n Die Summe ist zu groß";
  expectBox(context, "an error box has the caption Fehler, the error icon and OK", MessageKind::Error,
            L"Fehler", twoLines, IDI_ERROR, "message-error");
  expectBox(context, "a warning box has the caption Warnung, the warning icon and OK", MessageKind::Warning,
            L"Warnung", twoLines, IDI_WARNING, "message-warning");
  expectBox(context, "a plain box has the caption Meldung and OK", MessageKind::Plain, L"Meldung",
            L"Der Wert 'Maßnahme' konnte nicht geschrieben werden.", nullptr, "message-plain");

  context.run.run("a box over a progress window blocks every window of the program", [&](Checks& checks) {
    const HWND other = CreateWindowExW(0, L"STATIC", L"Hauptfenster", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                       300, 200, nullptr, nullptr, nullptr, nullptr);
    aggregate::platform::ProgressWindowLayout layout;
    layout.caption = "Fortschritt";
    layout.clientWidth = 200;
    layout.clientHeight = 40;
    layout.label = {8, 8, 180, 16};
    auto progress = ui().createProgressWindow(layout);
    progress->show();
    const HWND shown = wintest::findWindow(L"Fortschritt");
    ExpectedDialog expected;
    expected.caption = L"Fehler";
    expected.buttons = {L"OK"};
    expected.blocked = other;
    expected.whileShown = [&](std::vector<std::string>& problems) {
      if (IsWindowEnabled(shown) != FALSE) problems.push_back("the progress window is not blocked");
    };
    checks.none(context.watcher.run({expected}, [&] { ui().showMessage(MessageKind::Error, "Fehler"); }));
    checks.that(IsWindowEnabled(shown) != FALSE, "the progress window is enabled again");
    checks.that(IsWindowEnabled(other) == FALSE,
                "the main window stays blocked while the progress window shows");
    progress->close();
    checks.that(IsWindowEnabled(other) != FALSE,
                "the main window is enabled when the progress window closes");
    progress.reset();
    DestroyWindow(other);
  });
}

}  // namespace facetests
