// A fresh directory below the system's temporary directory, removed with everything in it.
#pragma once

#include <filesystem>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // dir/name, for a project directory that does not exist yet.
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Copies a project directory (e.g. examples/demo) so a test can change it.
std::filesystem::path copyProject(const std::filesystem::path& from, const TempDir& into);

}  // namespace testsupport
