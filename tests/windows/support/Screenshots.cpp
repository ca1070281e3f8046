#include "support/Screenshots.h"

#include <windows.h>

#include "support/UnixPath.h"

namespace wintest {

namespace {
std::wstring widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }
}  // namespace

bool Screenshots::take(const std::string& name) const {
  if (!enabled()) return true;
  // Wine copies what a window painted onto the X screen when the program waits, at most every
  // 50 ms. Two short waits that no message ends bring the screen up to date without
  // dispatching anything: a picture taken inside a running command shows its latest state.
  for (int wait = 0; wait < 2; ++wait) MsgWaitForMultipleObjects(0, nullptr, FALSE, 60, 0);
  const std::string target = directory_ + "/" + name + ".xwd";
  const std::wstring written = windowsPathOf(target);
  DeleteFileW(written.c_str());
  // Wine starts Linux programs directly; the rename tells that the picture is complete.
  std::wstring command = widen("/bin/sh -c \"xwd -root -silent -out '" + target + ".part' && mv '" + target +
                               ".part' '" + target + "'\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process) == 0)
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (GetFileAttributesW(written.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

}  // namespace wintest
