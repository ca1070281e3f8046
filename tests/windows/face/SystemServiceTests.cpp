#include <windows.h>

#include "FaceTests.h"
#include "contract/TolvarApi.h"
#include "platform/FileSystem.h"
#include "platform/HostWindow.h"
#include "platform/RegionalSettings.h"
#include "platform/UserInterface.h"
#include "platform/WaitCursor.h"
#include "support/Text.h"

namespace facetests {

using namespace aggregate::platform;
using wintest::Checks;

namespace {

// Answers the temporary-object message with the id count of the request it received.
LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TL_MSG_TEMP_OBJECT) {
    const auto* request = reinterpret_cast<const TTempObjectRequest*>(lParam);
    return request->Kind == 3 && std::string(request->Kennung) == "TempObj0" ? request->IdCount + 40 : -1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring temporaryDirectory() {
  wchar_t path[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, path);
  return path;
}

}  // namespace

void systemServiceTests(Context& context) {
  context.run.group("system services");

  context.run.run("the decimal separator is the user's (German under the check script)", [&](Checks& checks) {
    checks.that(decimalSeparator() == ',', std::string("separator '") + decimalSeparator() + "'");
  });

  context.run.run("files: existing, missing, folders and umlauts in the path", [&](Checks& checks) {
    checks.that(pathDelimiter() == '\\', "path delimiter is a backslash");
    const std::wstring directory = temporaryDirectory();
    const std::wstring file = directory + L"Prüfung TA_LIST.DBF";
    const HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    checks.that(created != INVALID_HANDLE_VALUE, "test file created");
    CloseHandle(created);
    checks.that(fileExists(wintest::utf8(file)), "an existing file with an umlaut in its name");
    DeleteFileW(file.c_str());
    checks.that(!fileExists(wintest::utf8(file)), "a missing file");
    checks.that(!fileExists(wintest::utf8(directory)), "a folder is no file");
  });

  context.run.run("messages reach the host window synchronously, with their record", [&](Checks& checks) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = hostWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FaceTestHostWindow";
    RegisterClassW(&windowClass);
    const HWND host = CreateWindowExW(0, windowClass.lpszClassName, L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                      100, nullptr, nullptr, windowClass.hInstance, nullptr);
    const int32_t ids[2] = {5, 6};
    TTempObjectRequest request{3, 0, 1, 0, "TempObj0", 7680105, 0, 2, ids};
    checks.equal(sendMessageToHostWindow(reinterpret_cast<intptr_t>(host), TL_MSG_TEMP_OBJECT, 0,
                                         reinterpret_cast<intptr_t>(&request)),
                 42, "the window's answer");
    checks.equal(sendMessageToHostWindow(0, TL_MSG_TEMP_OBJECT, 0, reinterpret_cast<intptr_t>(&request)), 0,
                 "no window answers 0");
    DestroyWindow(host);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
  });

  context.run.run("the wait cursor is the hourglass until it is switched off", [&](Checks& checks) {
    {
      const WaitCursor waiting;
      checks.that(GetCursor() == LoadCursorW(nullptr, IDC_WAIT), "hourglass while waiting");
    }
    checks.that(GetCursor() == LoadCursorW(nullptr, IDC_ARROW), "arrow afterwards");
  });
}

}  // namespace facetests
