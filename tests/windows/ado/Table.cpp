#include "ado/Table.h"

#include <windows.h>

namespace adostandin {

bool sameName(const std::string& left, const std::string& right) {
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, left.data(), static_cast<int>(left.size()),
                        right.data(), static_cast<int>(right.size())) == CSTR_EQUAL;
}

std::optional<std::size_t> Table::column(const std::string& columnName) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (sameName(columns[i].name, columnName)) return i;
  return std::nullopt;
}

}  // namespace adostandin
