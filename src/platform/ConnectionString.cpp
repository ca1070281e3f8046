#include "platform/ConnectionString.h"

namespace aggregate::platform {

namespace {

bool needsQuotes(std::string_view value) {
  if (value.find_first_of(";'\"") != std::string_view::npos) return true;
  return !value.empty() && (value.front() == ' ' || value.back() == ' ');
}

}  // namespace

std::string connectionStringValue(std::string_view value) {
  if (!needsQuotes(value)) return std::string(value);
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace aggregate::platform
