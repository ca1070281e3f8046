#pragma once
#include <string>

namespace wintest {

// The Windows path under which Wine shows a Linux path (the Linux root is drive Z:).
std::wstring windowsPathOf(const std::string& unixPath);

}  // namespace wintest
