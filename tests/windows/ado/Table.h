#pragma once
// A table or a result set as the stand-in holds it: named columns, integer or text cells.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace adostandin {

using Cell = std::variant<std::monostate, int32_t, std::string>;  // monostate: NULL

struct Column {
  std::string name;
  bool integer = false;
};

struct Table {
  std::string name;
  std::vector<Column> columns;
  std::vector<std::vector<Cell>> rows;
  std::vector<std::size_t> sourceRows;  // where each row lives in its file

  // Names compare without regard to letter case, as in Jet.
  std::optional<std::size_t> column(const std::string& columnName) const;
};

bool sameName(const std::string& left, const std::string& right);

}  // namespace adostandin
