// The project a command line that starts with an import may name before it exists: made empty
// before the session opens it, and taken away again when the import fails, so a refused source
// leaves no empty project behind. Files that were in the directory before are never touched.
#pragma once

#include <filesystem>
#include <set>

#include "CommandLine.h"

namespace tolvar {

class ImportProject {
 public:
  explicit ImportProject(const CommandLine& line);
  ~ImportProject();
  ImportProject(const ImportProject&) = delete;
  ImportProject& operator=(const ImportProject&) = delete;

  // The import stands; what follows on the line no longer decides about the project.
  void keep() { made_ = false; }

 private:
  std::filesystem::path dir_;
  bool made_ = false;
  bool madeDirectory_ = false;
  std::set<std::filesystem::path> before_;
};

}  // namespace tolvar
