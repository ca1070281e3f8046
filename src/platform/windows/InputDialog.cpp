#include "platform/windows/InputDialog.h"

#include <windows.h>

#include "common/LibraryError.h"
#include "platform/windows/DialogTemplate.h"
#include "platform/windows/ModalScope.h"
#include "platform/windows/ModuleInstance.h"
#include "platform/windows/WideText.h"

namespace aggregate::platform::win32 {

namespace {

constexpr WORD kEditId = 100;
constexpr WORD kNoId = 0xFFFF;

struct InputState {
  std::wstring answer;
};

INT_PTR CALLBACK inputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      return TRUE;  // the dialog manager focuses the edit and selects its text
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const HWND edit = GetDlgItem(dialog, kEditId);
        state->answer.resize(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1);
        state->answer.resize(static_cast<std::size_t>(
            GetWindowTextW(edit, state->answer.data(), static_cast<int>(state->answer.size()))));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::string> runInputDialog(const std::string& title, const std::string& prompt,
                                          const std::string& preset) {
  DialogTemplate dialog(wideFromUtf8(title), DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        180, 62);
  dialog.addControl(DialogTemplate::ControlClass::Static, wideFromUtf8(prompt), kNoId, SS_LEFT | SS_NOPREFIX,
                    {8, 8, 164, 10});
  dialog.addControl(DialogTemplate::ControlClass::Edit, wideFromUtf8(preset), kEditId,
                    ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {8, 20, 164, 12});
  dialog.addControl(DialogTemplate::ControlClass::Button, L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP,
                    {68, 40, 50, 14});
  dialog.addControl(DialogTemplate::ControlClass::Button, L"Abbrechen", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP,
                    {122, 40, 50, 14});

  InputState state;
  // The dialog manager disables only the owner; another host window would stay usable.
  const ModalScope modal(GetActiveWindow());
  const INT_PTR result = DialogBoxIndirectParamW(moduleInstance(), dialog.get(), modal.owner(),
                                                 inputDialogProc, reinterpret_cast<LPARAM>(&state));
  if (result == -1) throw LibraryError("Der Eingabedialog konnte nicht angezeigt werden.");
  if (result != IDOK) return std::nullopt;
  return utf8FromWide(state.answer);
}

}  // namespace aggregate::platform::win32
