#pragma once
#include <string>
#include <string_view>

namespace aggregate::platform {

// A value as an OLE DB connection string holds it: unchanged where nothing in it needs quoting,
// else enclosed in double quotes (each one inside doubled), since the provider would split it at
// a ';' or take a leading quote or blank for syntax.
std::string connectionStringValue(std::string_view value);

}  // namespace aggregate::platform
