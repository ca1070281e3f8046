// Builds a project directory programmatically, for tests and for the demo generator.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ChangeList.h"
#include "Host.h"

namespace host {

class ProjectBuilder {
 public:
  // wkt may be empty for an object without geometry. Coordinates are metres.
  ProjectBuilder& addObject(std::int32_t id, const std::string& kennung, std::int32_t classCode,
                            const std::string& wkt);
  ProjectBuilder& addRectangle(std::int32_t id, const std::string& kennung, std::int32_t classCode,
                               double minX, double minY, double maxX, double maxY);

  // Appends a row and returns its PKey. Keys are unique across all tables of the project, so a key
  // used with the wrong table finds nothing. parentKey becomes MASTERKEY (none: NULL).
  std::int64_t addRow(const std::string& table, std::int32_t objectId, std::optional<std::int64_t> parentKey,
                      const FieldValues& fields = {});

  // TA_LIST.DBF with these (Kennung, CHANGED) entries.
  ProjectBuilder& createChangeList(const std::vector<ChangeListEntry>& entries);
  // Writes tolvar.json with these handlers ("Table.Field" -> export) instead of relying on defaults.
  ProjectBuilder& setHandlers(const std::map<std::string, std::string>& handlers);
  // Leaves a table of the standard set out of the database.
  ProjectBuilder& omitTable(const std::string& table);

  // Creates the directory if needed; fails if it already holds a project.
  void write(const std::filesystem::path& dir) const;
  static bool holdsProject(const std::filesystem::path& dir);

 private:
  struct PlannedObject {
    std::int32_t id;
    std::string kennung;
    std::int32_t classCode;
    std::string wkt;
  };
  struct PlannedRow {
    std::string table;
    Row row;
  };
  std::vector<PlannedObject> objects_;
  std::vector<PlannedRow> rows_;
  std::optional<std::vector<ChangeListEntry>> changeList_;
  std::optional<std::map<std::string, std::string>> handlers_;
  std::vector<std::string> omittedTables_;
  std::int64_t lastKey_ = 0;
};

}  // namespace host
