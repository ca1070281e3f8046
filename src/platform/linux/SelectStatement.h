#pragma once
// The one statement shape the library sends to the project database:
// "select <column> from <table>" and "where TOLVARID = <id>", keywords in any letter case,
// separated by any blanks and line breaks.
#include <cstdint>
#include <string>
#include <string_view>

namespace aggregate::platform {

struct SelectStatement {
  std::string column;
  std::string table;
  int32_t objectId = 0;
};

// Throws LibraryError for any other statement.
SelectStatement parseSelectStatement(std::string_view text);

}  // namespace aggregate::platform
