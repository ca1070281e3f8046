#include "ImportProject.h"

#include <vector>

#include "ProjectBuilder.h"

namespace tolvar {

ImportProject::ImportProject(const CommandLine& line) : dir_(line.projectDir) {
  if (line.commands.empty() || line.commands.front().name != "import") return;
  if (host::ProjectBuilder::holdsProject(dir_)) return;
  madeDirectory_ = !std::filesystem::exists(dir_);
  if (!madeDirectory_) {
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) before_.insert(entry.path());
  }
  host::ProjectBuilder().write(dir_);
  made_ = true;
}

ImportProject::~ImportProject() {
  if (!made_) return;
  std::error_code ignored;
  if (madeDirectory_) {
    std::filesystem::remove_all(dir_, ignored);
    return;
  }
  std::vector<std::filesystem::path> made;
  for (const auto& entry : std::filesystem::directory_iterator(dir_, ignored)) {
    if (before_.count(entry.path()) == 0) made.push_back(entry.path());
  }
  for (const auto& path : made) std::filesystem::remove_all(path, ignored);
}

}  // namespace tolvar
