#include "support/DialogWatcher.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <stdexcept>

#include "support/Text.h"
#include "support/WindowView.h"

namespace wintest {

namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kSettleMs = 200;  // lets the dialog paint before it is read and pictured

struct WatchState {
  std::vector<ExpectedDialog> expected;
  std::size_t next = 0;
  std::vector<std::string> problems;
  std::atomic<bool> done{false};
  DWORD timeLimitMs = 0;
  const Screenshots* screenshots = nullptr;
};

std::vector<std::wstring> pushButtons(const WindowView& view) {
  std::vector<std::wstring> captions;
  for (const auto& control : view.controls) {
    const LONG kind = control.style & BS_TYPEMASK;
    if (control.className == L"Button" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON))
      captions.push_back(control.text);
  }
  return captions;
}

std::string describe(const WindowView& view) {
  std::string description = "\"" + utf8(view.caption) + "\"";
  for (const auto& text : view.texts(L"Static")) description += " / \"" + utf8(text) + "\"";
  return description;
}

void compare(WatchState& state, const ExpectedDialog& expected, const WindowView& view) {
  auto problem = [&](const std::string& what) { state.problems.push_back(describe(view) + ": " + what); };
  if (view.caption != expected.caption) problem("caption is not \"" + utf8(expected.caption) + "\"");
  const auto texts = view.texts(L"Static");
  for (const auto& text : expected.texts)
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) problem("no text \"" + utf8(text) + "\"");
  for (const auto& lead : expected.leads)
    if (std::none_of(texts.begin(), texts.end(),
                     [&](const std::wstring& text) { return text.starts_with(lead); }))
      problem("no text beginning \"" + utf8(lead) + "\"");
  if (pushButtons(view) != expected.buttons) problem("other buttons than expected");
  if (expected.icon != nullptr) {
    const auto icon = std::find_if(view.controls.begin(), view.controls.end(),
                                   [](const ControlView& control) { return control.icon != nullptr; });
    if (icon == view.controls.end() || icon->icon != systemIcon(expected.icon))
      problem("other icon than expected");
  }
  if (expected.blocked != nullptr && IsWindowEnabled(expected.blocked) != FALSE)
    problem("does not block \"" + utf8(inspect(expected.blocked).caption) + "\"");
  if (expected.edit) {
    const ControlView* edit = view.control(L"Edit");
    if (edit == nullptr || edit->text != *expected.edit)
      problem("edit does not hold \"" + utf8(*expected.edit) + "\"");
  }
}

void answer(WatchState& state, HWND dialog) {
  Sleep(kSettleMs);
  const WindowView view = inspect(dialog);
  if (state.next >= state.expected.size()) {
    state.problems.push_back("unexpected dialog " + describe(view));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    return;
  }
  const ExpectedDialog& expected = state.expected[state.next++];
  compare(state, expected, view);
  if (expected.whileShown) expected.whileShown(state.problems);
  if (!expected.screenshot.empty() && !state.screenshots->take(expected.screenshot))
    state.problems.push_back("no screenshot " + expected.screenshot);
  if (expected.type) {
    if (const ControlView* edit = view.control(L"Edit"); edit != nullptr)
      SendMessageW(edit->handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(expected.type->c_str()));
  }
  if (expected.press == ExpectedDialog::kCloseButton) {
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  } else {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(expected.press, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, expected.press)));
  }
}

DWORD WINAPI watch(void* context) {
  auto& state = *static_cast<WatchState*>(context);
  std::set<HWND> answered;
  const DWORD start = GetTickCount();
  bool overdue = false;
  while (!state.done) {
    std::erase_if(answered, [](HWND window) { return IsWindow(window) == FALSE; });
    for (HWND dialog : visibleWindows(L"#32770")) {
      if (overdue) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
      } else if (answered.insert(dialog).second) {
        answer(state, dialog);
      }
    }
    if (!overdue && GetTickCount() - start > state.timeLimitMs) {
      overdue = true;
      state.problems.push_back("still running after " + std::to_string(state.timeLimitMs) + " ms");
    }
    Sleep(kPollMs);
  }
  return 0;
}

// The watcher thread for as long as the object lives: it is stopped and joined also when the
// work throws, since it reads the state the work's caller owns.
class WatcherThread {
 public:
  explicit WatcherThread(WatchState& state)
      : state_(state), thread_(CreateThread(nullptr, 0, watch, &state, 0, nullptr)) {
    if (thread_ == nullptr) throw std::runtime_error("the watcher thread could not be started");
  }
  ~WatcherThread() {
    state_.done = true;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  WatcherThread(const WatcherThread&) = delete;
  WatcherThread& operator=(const WatcherThread&) = delete;

 private:
  WatchState& state_;
  HANDLE thread_;
};

}  // namespace

HICON systemIcon(LPCWSTR icon) { return LoadIconW(nullptr, icon); }

std::vector<std::string> DialogWatcher::run(std::vector<ExpectedDialog> expected,
                                            const std::function<void()>& work, DWORD timeLimitMs) {
  WatchState state;
  state.expected = std::move(expected);
  state.timeLimitMs = timeLimitMs;
  state.screenshots = &screenshots_;
  {
    const WatcherThread watcher(state);
    work();
  }
  for (std::size_t missing = state.next; missing < state.expected.size(); ++missing)
    state.problems.push_back("dialog \"" + utf8(state.expected[missing].caption) + "\" was never shown");
  return state.problems;
}

}  // namespace wintest
