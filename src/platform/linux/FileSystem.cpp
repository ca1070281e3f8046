#include "platform/FileSystem.h"

#include <sys/stat.h>

namespace aggregate::platform {

char pathDelimiter() { return '/'; }

std::string withoutTrailingDelimiter(std::string directory) {
  if (!directory.empty() && directory.back() == '/') directory.pop_back();
  return directory;
}

bool fileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool directoryExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace aggregate::platform
