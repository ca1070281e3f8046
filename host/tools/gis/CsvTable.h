// A table for spreadsheets: UTF-8 with a byte-order mark (without it Excel reads the umlauts as
// Windows-1252), a header and CRLF line ends. Under a locale whose decimal separator is a comma the
// fields are separated by semicolons and numbers take decimal commas, as spreadsheets there expect;
// otherwise commas and decimal points.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tolvar {

class CsvTable {
 public:
  // Throws HostError when the file cannot be written. Until close() the lines go to a sibling file,
  // so a report that fails half-way leaves the old one standing.
  CsvTable(const std::filesystem::path& file, const std::vector<std::string>& header);
  ~CsvTable();
  CsvTable(const CsvTable&) = delete;
  CsvTable& operator=(const CsvTable&) = delete;

  void addRow(const std::vector<std::string>& fields);
  // Throws HostError when not everything reached the disk.
  void close();

  // A stored number text ("4,5", "4.5", "5E-5") with this table's decimal separator; other texts
  // stay as they are.
  std::string number(const std::string& stored) const;
  // 15 significant digits, as the plug-in writes numbers.
  std::string number(double value) const;

 private:
  std::filesystem::path file_;
  std::filesystem::path partial_;
  std::ofstream out_;
  bool closed_ = false;
  char decimal_;
  char separator_;
};

}  // namespace tolvar
