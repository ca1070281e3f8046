#include "platform/ProjectDatabase.h"

#include "common/LibraryError.h"
#include "platform/linux/ProjectDatabaseFiles.h"

namespace aggregate::platform {

// SQLite may hold this very file for the host: closing a second handle on it would release every
// POSIX lock the process holds on it. So SQLite itself reads the file first, and only a file it
// finds no database in, which it therefore never holds, is handed to mdbtools.
std::unique_ptr<ProjectDatabase> connectProjectDatabase(const std::string& path) {
  if (std::unique_ptr<ProjectDatabase> sqlite = openSqliteProjectDatabase(path)) return sqlite;
  return openMdbProjectDatabase(path);
}

}  // namespace aggregate::platform
