#pragma once
// The two kinds of project database file the Linux face reads. Paths are UTF-8.
#include <memory>
#include <string>

#include "platform/ProjectDatabase.h"

namespace aggregate::platform {

// A SQLite 3 file, opened read-only; null when SQLite finds no database in the file. Throws when
// it cannot be opened, or holds a database whose catalog cannot be read or that has no pages.
std::unique_ptr<ProjectDatabase> openSqliteProjectDatabase(const std::string& path);
// A Jet (Access) .mdb file, read through mdbtools.
std::unique_ptr<ProjectDatabase> openMdbProjectDatabase(const std::string& path);

}  // namespace aggregate::platform
