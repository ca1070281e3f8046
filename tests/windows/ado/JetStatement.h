#pragma once
// The statements the stand-in accepts, parsed strictly: exactly the shapes of Jet SQL that the
// plug-in may send, and nothing Jet would refuse.
//   SELECT column FROM table [WHERE column = value]
//   UPDATE table SET column = value [WHERE column = value]
// value: an integer, a text in single quotes ('' inside for a quote) or the marker ?.
// Keywords in any letter case; names plain or in brackets; tables of a dBase folder are
// named as files (TA_LIST.DBF). Blanks, tabs and line breaks separate the words.
#include <cstdint>
#include <optional>
#include <string>

namespace adostandin {

struct Operand {
  enum class Kind { Integer, Text, Parameter } kind = Kind::Integer;
  int32_t integer = 0;
  std::string text;
};

struct Condition {
  std::string column;
  Operand value;
};

struct JetStatement {
  enum class Kind { Select, Update } kind = Kind::Select;
  std::string table;
  std::string column;  // the one selected, or the one set
  Operand newValue;    // UPDATE only
  std::optional<Condition> where;

  int parameterCount() const;
  // Throws AdoError with Jet's complaint when the text is not one of the shapes above.
  static JetStatement parse(const std::string& text, bool tablesAreFiles);
};

}  // namespace adostandin
