#include <windows.h>

#include "FaceTests.h"
#include "platform/UserInterface.h"
#include "support/Text.h"

namespace facetests {

using aggregate::platform::MessageKind;
using aggregate::platform::ui;
using wintest::Checks;
using wintest::ExpectedDialog;

namespace {

void expectBox(Context& context, const std::string& name, MessageKind kind, ExpectedDialog expected) {
  context.run.run(name, [&](Checks& checks) {
    const std::wstring text = expected.texts.front();
    checks.none(context.watcher.run({expected}, [&] { ui().showMessage(kind, wintest::ansi(text)); }));
  });
}

}  // namespace

void messageBoxTests(Context& context) {
  context.run.group("message boxes");
  const std::wstring twoLines =
      L"ha-%-Umrechnung ohne Gesamtflächenangabe nicht möglich!\r\n Die Summe ist zu groß";
  expectBox(context, "an error box has the caption Fehler, the error icon and OK", MessageKind::Error,
            {L"Fehler", {twoLines}, {L"OK"}, IDI_ERROR, {}, {}, IDOK, "message-error"});
  expectBox(context, "a warning box has the caption Warnung, the warning icon and OK", MessageKind::Warning,
            {L"Warnung", {twoLines}, {L"OK"}, IDI_WARNING, {}, {}, IDOK, "message-warning"});
  expectBox(context, "a plain box has the caption Meldung and OK", MessageKind::Plain,
            {L"Meldung",
             {L"Der Wert 'Maßnahme' konnte nicht geschrieben werden."},
             {L"OK"},
             nullptr,
             {},
             {},
             IDOK,
             "message-plain"});
}

}  // namespace facetests
