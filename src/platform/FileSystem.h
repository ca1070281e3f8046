#pragma once
#include <string>

namespace aggregate::platform {

// Path delimiter of the platform ('/' on Linux, '\\' on Windows).
char pathDelimiter();
// True when a regular file of that name exists. Path in Windows-1252.
bool fileExists(const std::string& path);
// True when a directory of that name exists. Path in Windows-1252.
bool directoryExists(const std::string& path);

}  // namespace aggregate::platform
