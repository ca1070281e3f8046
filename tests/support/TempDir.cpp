#include "TempDir.h"

#include <unistd.h>

#include <stdexcept>
#include <string>

namespace testsupport {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tolvar-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary directory");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path copyProject(const std::filesystem::path& from, const TempDir& into) {
  const std::filesystem::path target = into / from.filename().string();
  std::filesystem::copy(from, target, std::filesystem::copy_options::recursive);
  return target;
}

}  // namespace testsupport
