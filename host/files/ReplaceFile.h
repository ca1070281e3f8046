#pragma once

#include <filesystem>
#include <string>

namespace host {

// Writes a sibling file and renames it over the target, so a reader never sees half a file.
void replaceFile(const std::filesystem::path& file, const std::string& content);

}  // namespace host
