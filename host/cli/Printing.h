// How the program shows objects, rows and the change list.
#pragma once

#include <ostream>
#include <vector>

#include "ChangeList.h"
#include "Host.h"

namespace tolvar {

void printObjects(std::ostream& out, const std::vector<host::ObjectSummary>& objects);
// One line per row, indented by depth: "Table PKey: Field=value, ..." (NULL fields left out).
void printTree(std::ostream& out, const std::vector<host::RowNode>& nodes, int depth = 0);
void printChangeList(std::ostream& out, const std::vector<host::ChangeListEntry>& entries);

}  // namespace tolvar
