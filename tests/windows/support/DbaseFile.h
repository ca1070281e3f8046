#pragma once
// A dBase III table file, as far as the change list needs it: character fields, read whole,
// changed in memory and written back in place. Texts are the file's bytes.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace wintest {

class DbaseFile {
 public:
  struct Field {
    std::string name;
    char type = 'C';
    std::size_t length = 0;
    std::size_t offset = 0;  // in the record, after the deletion flag
  };

  // Throws std::runtime_error when the file is missing or not a dBase III table.
  static DbaseFile read(const std::wstring& path);
  // A table of character fields (name, width) holding these rows.
  static void create(const std::wstring& path, const std::vector<std::pair<std::string, std::size_t>>& fields,
                     const std::vector<std::vector<std::string>>& rows);

  const std::vector<Field>& fields() const { return fields_; }
  std::size_t recordCount() const { return recordCount_; }
  bool deleted(std::size_t record) const { return bytes_[recordStart(record)] == '*'; }
  // Without the blanks that pad it to the field's width.
  std::string value(std::size_t record, std::size_t field) const;
  void setValue(std::size_t record, std::size_t field, const std::string& text);
  void write() const;

 private:
  std::size_t recordStart(std::size_t record) const { return headerLength_ + record * recordLength_; }

  std::wstring path_;
  std::vector<char> bytes_;
  std::vector<Field> fields_;
  std::size_t headerLength_ = 0;
  std::size_t recordLength_ = 0;
  std::size_t recordCount_ = 0;
};

}  // namespace wintest
