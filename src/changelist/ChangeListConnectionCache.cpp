#include "changelist/ChangeListConnectionCache.h"

#include <memory>

#include "platform/FileSystem.h"

namespace aggregate {

namespace {

struct CachedConnection {
  std::string directory;
  std::unique_ptr<platform::ChangeListConnection> connection;
};

// Opened at the first marking and kept until the process ends, as a database connection would be.
CachedConnection& cached() {
  static CachedConnection connection;
  return connection;
}

}  // namespace

platform::ChangeListConnection& ChangeListConnectionOf(const std::string& projectDirectory) {
  CachedConnection& cache = cached();
  const std::string directory = platform::withoutTrailingDelimiter(projectDirectory);
  if (cache.connection == nullptr || cache.directory != directory) {
    cache.connection.reset();
    cache.connection = platform::connectChangeList(directory);
    cache.directory = directory;
  }
  return *cache.connection;
}

}  // namespace aggregate
