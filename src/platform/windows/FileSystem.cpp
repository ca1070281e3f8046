#include "platform/FileSystem.h"

#include <windows.h>

#include "platform/windows/WideText.h"

namespace aggregate::platform {

char pathDelimiter() { return '\\'; }

std::string withoutTrailingDelimiter(std::string directory) {
  const bool driveRoot = directory.size() == 3 && directory[1] == ':';
  if (!driveRoot && !directory.empty() && directory.back() == '\\') directory.pop_back();
  return directory;
}

bool fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win32::wideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool directoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win32::wideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace aggregate::platform
