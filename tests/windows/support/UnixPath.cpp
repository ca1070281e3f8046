#include "support/UnixPath.h"

#include <algorithm>

namespace wintest {

std::wstring windowsPathOf(const std::string& unixPath) {
  std::wstring path = L"Z:" + std::wstring(unixPath.begin(), unixPath.end());
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

}  // namespace wintest
