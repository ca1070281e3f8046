// Lists in one line of a message, a table cell or a layer field.
#pragma once

#include <string>
#include <vector>

namespace tolvar {

inline std::string joined(const std::vector<std::string>& parts, const std::string& separator = ", ") {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

}  // namespace tolvar
