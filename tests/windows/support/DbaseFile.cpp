#include "support/DbaseFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace wintest {

namespace {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kFieldSize = 32;

std::size_t little16(const std::vector<char>& bytes, std::size_t at) {
  return static_cast<std::size_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

std::size_t little32(const std::vector<char>& bytes, std::size_t at) {
  return little16(bytes, at) | little16(bytes, at + 2) << 16;
}

void putLittle(std::vector<char>& bytes, std::size_t at, std::uint32_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

[[noreturn]] void notATable() { throw std::runtime_error("External table is not in the expected format."); }

}  // namespace

DbaseFile DbaseFile::read(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) throw std::runtime_error("Could not find file.");
  DbaseFile table;
  table.path_ = path;
  table.bytes_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  const auto& bytes = table.bytes_;
  if (bytes.size() < kHeaderSize + 1 || (bytes[0] & 0x07) != 0x03) notATable();
  table.recordCount_ = little32(bytes, 4);
  table.headerLength_ = little16(bytes, 8);
  table.recordLength_ = little16(bytes, 10);
  if (table.headerLength_ > bytes.size() || table.recordLength_ == 0) notATable();
  std::size_t offset = 0;
  for (std::size_t at = kHeaderSize; at + kFieldSize <= table.headerLength_ && bytes[at] != '\r';
       at += kFieldSize) {
    Field field;
    field.name.assign(&bytes[at], strnlen(&bytes[at], 11));
    field.type = bytes[at + 11];
    field.length = static_cast<unsigned char>(bytes[at + 16]);
    field.offset = offset;
    offset += field.length;
    table.fields_.push_back(field);
  }
  if (table.fields_.empty() || offset + 1 != table.recordLength_ ||
      table.recordStart(table.recordCount_) > bytes.size())
    notATable();
  return table;
}

void DbaseFile::create(const std::wstring& path,
                       const std::vector<std::pair<std::string, std::size_t>>& fields,
                       const std::vector<std::vector<std::string>>& rows) {
  const std::size_t headerLength = kHeaderSize + fields.size() * kFieldSize + 1;
  std::size_t recordLength = 1;
  for (const auto& field : fields) recordLength += field.second;
  std::vector<char> bytes(headerLength + rows.size() * recordLength + 1, '\0');
  bytes[0] = 0x03;
  bytes[1] = 126;  // last update 2026-01-01
  bytes[2] = 1;
  bytes[3] = 1;
  putLittle(bytes, 4, static_cast<std::uint32_t>(rows.size()), 4);
  putLittle(bytes, 8, static_cast<std::uint32_t>(headerLength), 2);
  putLittle(bytes, 10, static_cast<std::uint32_t>(recordLength), 2);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::size_t at = kHeaderSize + i * kFieldSize;
    std::memcpy(&bytes[at], fields[i].first.data(), std::min<std::size_t>(fields[i].first.size(), 10));
    bytes[at + 11] = 'C';
    bytes[at + 16] = static_cast<char>(fields[i].second);
  }
  bytes[headerLength - 1] = '\r';
  for (std::size_t row = 0; row < rows.size(); ++row) {
    std::size_t at = headerLength + row * recordLength;
    bytes[at++] = ' ';
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const std::string value = i < rows[row].size() ? rows[row][i] : std::string();
      std::fill_n(&bytes[at], fields[i].second, ' ');
      std::memcpy(&bytes[at], value.data(), std::min(value.size(), fields[i].second));
      at += fields[i].second;
    }
  }
  bytes.back() = 0x1A;
  std::ofstream(std::filesystem::path(path), std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string DbaseFile::value(std::size_t record, std::size_t field) const {
  const Field& f = fields_[field];
  std::string text(&bytes_[recordStart(record) + 1 + f.offset], f.length);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

void DbaseFile::setValue(std::size_t record, std::size_t field, const std::string& text) {
  const Field& f = fields_[field];
  char* at = &bytes_[recordStart(record) + 1 + f.offset];
  std::fill_n(at, f.length, ' ');
  std::memcpy(at, text.data(), std::min(text.size(), f.length));
}

void DbaseFile::write() const {
  std::ofstream file(std::filesystem::path(path_), std::ios::binary | std::ios::in | std::ios::out);
  if (!file) throw std::runtime_error("The file is in use by another process.");
  file.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
}

}  // namespace wintest
