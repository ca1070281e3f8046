#pragma once
// Plays the user for modal dialogs: while the code under test runs on the main thread, a
// watcher thread finds each dialog it opens, compares it with the next expected one and presses
// a button. Unexpected dialogs are closed, so that no test can hang on one.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/Screenshots.h"

namespace wintest {

struct ExpectedDialog {
  static constexpr int kCloseButton = 0;  // press: the title bar's close button instead of a control

  std::wstring caption;
  std::vector<std::wstring> texts;    // static texts, each exactly as shown
  std::vector<std::wstring> leads;    // static texts that begin so, where the rest is not ours to fix
  std::vector<std::wstring> buttons;  // push-button captions, in creation order
  LPCWSTR icon = nullptr;             // the system icon a message box shows (IDI_ERROR, IDI_WARNING)
  std::optional<std::wstring> edit;   // the edit's text as the dialog opens
  std::optional<std::wstring> type;   // typed into the edit before pressing
  int press = IDOK;                   // id of the button pressed
  std::string screenshot;             // picture name; empty takes none
  HWND blocked = nullptr;             // when set: a window that must be disabled while the dialog shows
  // Further checks while the dialog shows, on the watcher thread; adds what it finds wrong.
  std::function<void(std::vector<std::string>& problems)> whileShown;
};

class DialogWatcher {
 public:
  explicit DialogWatcher(const Screenshots& screenshots) : screenshots_(screenshots) {}

  // Runs work while answering its dialogs; returns the problems seen: mismatches, unexpected
  // dialogs, expected ones that never came, and a run that took longer than the time limit.
  std::vector<std::string> run(std::vector<ExpectedDialog> expected, const std::function<void()>& work,
                               DWORD timeLimitMs = 30000);

 private:
  const Screenshots& screenshots_;
};

// The system's shared icon handle for one of the IDI_ icons.
HICON systemIcon(LPCWSTR icon);

}  // namespace wintest
