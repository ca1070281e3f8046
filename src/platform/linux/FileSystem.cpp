#include "platform/FileSystem.h"

#include <sys/stat.h>

namespace aggregate::platform {

char pathDelimiter() { return '/'; }

bool fileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace aggregate::platform
