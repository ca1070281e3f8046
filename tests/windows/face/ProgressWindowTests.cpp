#include <windows.h>

#include <cstdlib>
#include <optional>

#include "FaceTests.h"
#include "platform/UserInterface.h"
#include "support/Text.h"
#include "support/WindowView.h"

namespace facetests {

using aggregate::platform::ProgressWindowLayout;
using aggregate::platform::ui;
using wintest::Checks;

namespace {

// The two windows the commands show.
ProgressWindowLayout transferLayout() {
  ProgressWindowLayout layout;
  layout.caption = wintest::utf8(L"Datenübertragung BT -> GB");
  layout.clientWidth = 380;
  layout.clientHeight = 29;
  layout.label = {8, 8, 417, 16};
  layout.labelText = "Start";
  return layout;
}

ProgressWindowLayout measureLayout() {
  ProgressWindowLayout layout;
  layout.caption = wintest::utf8(L"Aggregation von Maßnahme-Objekten");
  layout.clientWidth = 257;
  layout.clientHeight = 77;
  layout.fontName = "Tahoma";
  layout.fontPoints = 8;
  layout.label = {8, 11, 241, 16};
  layout.cancelButton = aggregate::platform::WindowRect{8, 39, 75, 25};
  layout.cancelCaption = "Abbrechen";
  return layout;
}

void checkRect(Checks& checks, const RECT& actual, RECT expected, const std::string& what) {
  checks.equal(actual.left, expected.left, what + " left");
  checks.equal(actual.top, expected.top, what + " top");
  checks.equal(actual.right, expected.right, what + " right");
  checks.equal(actual.bottom, expected.bottom, what + " bottom");
}

void checkFrame(Checks& checks, const wintest::WindowView& view, SIZE client) {
  checks.that((view.style & WS_CAPTION) == WS_CAPTION, "has a title bar");
  checks.that((view.style & WS_SYSMENU) == 0, "has no title-bar buttons");
  checks.that((GetWindowLongW(view.handle, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0, "has a dialog border");
  checks.equal(view.client.cx, client.cx, "client width");
  checks.equal(view.client.cy, client.cy, "client height");
  const long centreX = (view.frame.left + view.frame.right) / 2;
  const long centreY = (view.frame.top + view.frame.bottom) / 2;
  checks.that(std::labs(centreX - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1 &&
                  std::labs(centreY - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1,
              "centred on the screen");
}

// The shown window with that caption, checked for a frame without title-bar buttons, the
// client size and its place in the middle of the screen; nullopt when it is not shown.
std::optional<wintest::WindowView> shownWindow(Checks& checks, const std::wstring& caption, SIZE client) {
  const HWND shown = wintest::findWindow(caption);
  checks.that(shown != nullptr, "the window is shown with its caption");
  if (shown == nullptr) return std::nullopt;
  auto view = wintest::inspect(shown);
  checkFrame(checks, view, client);
  return view;
}

// True when the label has nothing left to paint: it was repainted without a message loop.
bool painted(HWND control) { return GetUpdateRect(control, nullptr, FALSE) == FALSE; }

}  // namespace

void progressWindowTests(Context& context) {
  context.run.group("progress windows");

  context.run.run("the transfer window: frame, size, place and status line", [&](Checks& checks) {
    auto window = ui().createProgressWindow(transferLayout());
    window->show();
    const auto view = shownWindow(checks, L"Datenübertragung BT -> GB", {380, 29});
    if (!view) return;
    const HWND shown = view->handle;
    const auto* label = view->control(L"Static");
    checks.that(label != nullptr && view->control(L"Button") == nullptr, "one label, no button");
    if (label == nullptr) return;
    checks.equal(label->text, L"Start", "initial status");
    checkRect(checks, label->rect, {8, 8, 8 + 417, 8 + 16}, "label");

    window->setStatus(wintest::utf8(L"Lese Daten von BT-Süd 1"));
    checks.equal(wintest::inspect(shown).control(L"Static")->text, L"Lese Daten von BT-Süd 1", "status");
    checks.that(painted(label->handle), "the status is painted at once");
    if (!context.screenshots.take("progress-transfer")) checks.that(false, "screenshot progress-transfer");

    window->setCaption(wintest::utf8(L"Datenübertragung GB -> BK"));
    checks.equal(wintest::inspect(shown).caption, L"Datenübertragung GB -> BK", "new caption");
    window->close();
    checks.that(IsWindowVisible(shown) == FALSE, "close hides the window");
    window.reset();
    checks.that(IsWindow(shown) == FALSE, "the window is gone with its object");
  });

  context.run.run("the measure window: Tahoma 8, label and Abbrechen button", [&](Checks& checks) {
    auto window = ui().createProgressWindow(measureLayout());
    window->show();
    window->setStatus("M-12 (2 von 7)");
    const auto view = shownWindow(checks, L"Aggregation von Maßnahme-Objekten", {257, 77});
    if (!view) return;
    const auto* label = view->control(L"Static");
    const auto* button = view->control(L"Button");
    checks.that(label != nullptr && button != nullptr, "a label and a button");
    if (label == nullptr || button == nullptr) return;
    checks.equal(label->text, L"M-12 (2 von 7)", "status");
    checks.that(painted(label->handle), "the status is painted at once");
    checks.equal(label->rect.left, 8, "label left");
    checks.equal(label->rect.top, 11, "label top");
    checks.equal(button->text, L"Abbrechen", "button caption");
    checkRect(checks, button->rect, {8, 39, 8 + 75, 39 + 25}, "button");
    const HDC screen = GetDC(nullptr);
    const LONG height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    checks.equal(label->fontFace, L"Tahoma", "label font");
    checks.equal(label->fontHeight, height, "label font size 8 points");
    checks.equal(button->fontFace, L"Tahoma", "button font");
    if (!context.screenshots.take("progress-measure")) checks.that(false, "screenshot progress-measure");
  });

  context.run.run(
      "a click on Abbrechen runs the handler once, inside processMessages only", [&](Checks& checks) {
        auto window = ui().createProgressWindow(measureLayout());
        window->show();
        int cancelled = 0;
        window->onCancel([&] { ++cancelled; });
        window->processMessages();
        checks.equal(cancelled, 0, "handler calls without a click");
        const auto view = wintest::inspect(wintest::findWindow(L"Aggregation von Maßnahme-Objekten"));
        const auto* button = view.control(L"Button");
        checks.that(button != nullptr, "the button exists");
        if (button == nullptr) return;
        PostMessageW(button->handle, BM_CLICK, 0, 0);
        checks.equal(cancelled, 0, "handler calls before the messages are processed");
        window->processMessages();
        checks.equal(cancelled, 1, "handler calls after the click");
        window->processMessages();
        checks.equal(cancelled, 1, "handler calls after processing again");
      });
}

}  // namespace facetests
