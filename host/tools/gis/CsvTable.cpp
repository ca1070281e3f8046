#include "CsvTable.h"

#include <langinfo.h>
#include <locale.h>

#include <charconv>

#include "BiotoptypRows.h"
#include "Host.h"

namespace tolvar {

namespace {

// The user's numeric locale decides, as it does for the plug-in; the process's own locale is left
// alone, since the plug-in reads it too.
char userDecimalSeparator() {
  const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return '.';
  const std::string radix = nl_langinfo_l(RADIXCHAR, user);
  freelocale(user);
  return radix == "," ? ',' : '.';
}

std::string quoted(const std::string& field, char separator) {
  if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) return field;
  std::string text = "\"";
  for (const char c : field) text += c == '"' ? std::string("\"\"") : std::string(1, c);
  return text + "\"";
}

}  // namespace

CsvTable::CsvTable(const std::filesystem::path& file, const std::vector<std::string>& header)
    : file_(file),
      partial_(file.string() + ".partial"),
      out_(partial_, std::ios::binary | std::ios::trunc),
      decimal_(userDecimalSeparator()),
      separator_(decimal_ == ',' ? ';' : ',') {
  if (!out_) throw host::HostError("Die Datei " + file.string() + " lässt sich nicht schreiben.");
  out_ << "\xEF\xBB\xBF";
  addRow(header);
}

void CsvTable::addRow(const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i)
    out_ << (i == 0 ? "" : std::string(1, separator_)) << quoted(fields[i], separator_);
  out_ << "\r\n";
}

CsvTable::~CsvTable() {
  if (closed_) return;
  out_.close();
  std::error_code ignored;
  std::filesystem::remove(partial_, ignored);
}

void CsvTable::close() {
  out_.close();
  std::error_code renamed;
  if (out_) std::filesystem::rename(partial_, file_, renamed);
  if (!out_ || renamed)
    throw host::HostError("Die Datei " + file_.string() + " wurde nicht vollständig geschrieben.");
  closed_ = true;
}

std::string CsvTable::number(const std::string& stored) const {
  if (!storedNumber(stored)) return stored;
  std::string text = stored;
  for (char& c : text) {
    if (c == ',' || c == '.') c = decimal_;
  }
  return text;
}

std::string CsvTable::number(double value) const {
  char digits[32];
  const auto [end, error] =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15);
  return number(std::string(digits, error == std::errc() ? end : digits));
}

}  // namespace tolvar
