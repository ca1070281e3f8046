#pragma once
#include <string>

namespace aggregate::platform {

// Path delimiter of the platform ('/' on Linux, '\\' on Windows).
char pathDelimiter();
// The directory without its trailing path delimiter, as a folder is named to a database driver;
// a drive's root keeps it on Windows ("Q:" alone means the current folder of drive Q).
std::string withoutTrailingDelimiter(std::string directory);
// True when a regular file of that name exists. Path in UTF-8.
bool fileExists(const std::string& path);
// True when a directory of that name exists. Path in UTF-8.
bool directoryExists(const std::string& path);

}  // namespace aggregate::platform
