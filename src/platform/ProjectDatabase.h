#pragma once
// The project database as the platform reaches it: an open connection that opens named
// tables and answers select statements. Texts are Windows-1252; failures throw LibraryError.
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

  // Opens a table of the database; throws when it cannot be opened (e.g. it does not exist).
  virtual void openTable(const std::string& table) = 0;
  // Runs a select statement (lines separated by CR LF) and returns the first column of every
  // row, in the order the database returns them; a NULL value gives an empty text.
  virtual std::vector<std::string> selectFirstColumn(const std::string& statement) = 0;
};

// Connects to the database file at path. The connection string is what the Windows face
// hands to its provider; other faces open the file itself. Throws on failure.
std::unique_ptr<ProjectDatabase> connectProjectDatabase(const std::string& connectionString,
                                                        const std::string& path);

}  // namespace aggregate::platform
