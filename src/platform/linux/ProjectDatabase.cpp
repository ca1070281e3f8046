#include "platform/ProjectDatabase.h"

#include "common/LibraryError.h"
#include "platform/linux/ProjectDatabaseFiles.h"

namespace aggregate::platform {

// The connection string names the Jet provider, which this face has no use for. SQLite may
// hold this very file for the host: closing a second handle on it would release every POSIX
// lock the process holds on it. So SQLite itself reads the file first, and only a file it finds
// no database in, which it therefore never holds, is handed to mdbtools.
std::unique_ptr<ProjectDatabase> connectProjectDatabase(const std::string&, const std::string& path) {
  const std::string& file = path;
  if (std::unique_ptr<ProjectDatabase> sqlite = openSqliteProjectDatabase(file)) return sqlite;
  return openMdbProjectDatabase(file);
}

}  // namespace aggregate::platform
