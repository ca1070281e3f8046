// The attribute tables the plug-in works with: which table is a detail table of which, and the
// text columns of each. Tables of a project database not listed here are root tables.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

struct StandardTable {
  const char* name;
  const char* parent;  // nullptr for a root table
  std::vector<const char*> columns;
};

const std::vector<StandardTable>& standardTables();
// Canonical name of the parent table, if the table is a detail table.
std::optional<std::string> parentTableOf(std::string_view table);

}  // namespace host
