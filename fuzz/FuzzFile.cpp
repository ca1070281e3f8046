#include "FuzzFile.h"

#include <unistd.h>

#include <fstream>

namespace fuzz {

namespace {
std::filesystem::path privateDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::filesystem::filesystem_error("mkdtemp", std::error_code());
  return pattern;
}
}  // namespace

FuzzFile::FuzzFile(const std::string& name, const uint8_t* data, std::size_t size)
    : directory_(privateDirectory()), path_(directory_ / name) {
  std::ofstream(path_, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

FuzzFile::~FuzzFile() {
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

}  // namespace fuzz
