#pragma once
// The project database as the platform reaches it: an open connection that answers the few
// questions the measure aggregation asks. Texts are UTF-8; failures throw LibraryError.
// Tables hold one row per attribute row, with its key PKey and its object's id TOLVARID; table
// and field names compare case-insensitively.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace aggregate::platform {

class ProjectDatabase {
 public:
  virtual ~ProjectDatabase() = default;  // closes the connection
  ProjectDatabase() = default;
  ProjectDatabase(const ProjectDatabase&) = delete;
  ProjectDatabase& operator=(const ProjectDatabase&) = delete;

  // Opens a table for as long as the connection lasts; throws when it cannot be opened (e.g. it
  // does not exist).
  virtual void openTable(const std::string& table) = 0;
  // PKey of each of the object's rows of the table, in the order the database returns them;
  // throws when one is not a 32-bit integer.
  std::vector<int32_t> keysOfObject(const std::string& table, int32_t objectId);
  // The field's value in each of the object's rows of the table, in the order the database
  // returns them; a NULL value gives an empty text.
  virtual std::vector<std::string> valuesOfObject(const std::string& table, const std::string& field,
                                                  int32_t objectId) = 0;
};

// Connects to the database file at path. The connection string is what the Windows face
// hands to its provider; other faces open the file itself. Throws on failure, also when the
// file's catalog cannot be read: a damaged file is no connection.
std::unique_ptr<ProjectDatabase> connectProjectDatabase(const std::string& connectionString,
                                                        const std::string& path);

}  // namespace aggregate::platform
