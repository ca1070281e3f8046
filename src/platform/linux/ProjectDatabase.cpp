#include "platform/ProjectDatabase.h"

#include <array>
#include <fstream>
#include <string_view>

#include "common/LibraryError.h"
#include "platform/TextEncoding.h"
#include "platform/linux/ProjectDatabaseFiles.h"

namespace aggregate::platform {

namespace {
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
constexpr std::size_t kJetMagicOffset = 4;
constexpr std::string_view kJetMagic{"Standard Jet DB\0", 16};
}  // namespace

// The connection string names the Jet provider, which this face has no use for: the file's
// first bytes tell what it is.
std::unique_ptr<ProjectDatabase> connectProjectDatabase(const std::string&, const std::string& path) {
  const std::string file = ansiToUtf8(path);
  std::array<char, kJetMagicOffset + kJetMagic.size()> head{};
  std::ifstream in(file, std::ios::binary);
  if (!in.read(head.data(), head.size())) throw LibraryError("Die Datei " + path + " ist nicht lesbar.");
  const std::string_view start(head.data(), head.size());
  if (start.substr(0, kSqliteMagic.size()) == kSqliteMagic) return openSqliteProjectDatabase(file);
  if (start.substr(kJetMagicOffset) == kJetMagic) return openMdbProjectDatabase(file);
  throw LibraryError("Die Datei " + path + " ist keine bekannte Datenbank.");
}

}  // namespace aggregate::platform
