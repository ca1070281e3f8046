#pragma once
// The fuzzer's bytes as a file in a private directory, for readers that take a path.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace fuzz {

class FuzzFile {
 public:
  FuzzFile(const std::string& name, const uint8_t* data, std::size_t size);
  ~FuzzFile();
  FuzzFile(const FuzzFile&) = delete;
  FuzzFile& operator=(const FuzzFile&) = delete;

  const std::filesystem::path& directory() const { return directory_; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path directory_;
  std::filesystem::path path_;
};

}  // namespace fuzz
