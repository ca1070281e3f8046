#include "support/JetDatabaseFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace wintest {

namespace {

constexpr std::size_t kPageSize = 4096;
constexpr std::size_t kSignatureAt = 4;
constexpr std::string_view kSignature = "Standard Jet DB";
constexpr char kJet4 = 1;  // the version byte after the signature

}  // namespace

void createJetDatabaseFile(const std::wstring& path) {
  std::array<char, kPageSize> page{};
  page[1] = 1;
  std::copy(kSignature.begin(), kSignature.end(), page.begin() + kSignatureAt);
  page[kSignatureAt + kSignature.size() + 1] = kJet4;
  std::ofstream(std::filesystem::path(path), std::ios::binary).write(page.data(), page.size());
}

bool isJetDatabaseFile(const std::wstring& path) {
  std::array<char, kSignatureAt + kSignature.size()> start{};
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file.read(start.data(), start.size())) return false;
  return std::string_view(start.data() + kSignatureAt, kSignature.size()) == kSignature;
}

}  // namespace wintest
