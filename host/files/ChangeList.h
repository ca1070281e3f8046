// The project's change list TA_LIST.DBF (dBase III, columns KENNUNG and CHANGED, Windows-1252).
// The plug-in reads and updates it itself; the host only creates and lists it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace host {

struct ChangeListEntry {
  std::string kennung;  // UTF-8
  std::string changed;  // UTF-8
  bool operator==(const ChangeListEntry&) const = default;
};

inline constexpr const char* kChangeListFileName = "TA_LIST.DBF";

void writeChangeList(const std::filesystem::path& dbfFile, const std::vector<ChangeListEntry>& entries);
// Values without their blank padding.
std::vector<ChangeListEntry> readChangeList(const std::filesystem::path& dbfFile);

}  // namespace host
