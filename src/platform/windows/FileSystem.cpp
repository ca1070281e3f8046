#include "platform/FileSystem.h"

#include <windows.h>

#include "platform/windows/WideText.h"

namespace aggregate::platform {

char pathDelimiter() { return '\\'; }

bool fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win32::wideFromAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool directoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win32::wideFromAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace aggregate::platform
