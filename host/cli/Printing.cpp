#include "Printing.h"

#include <iomanip>
#include <sstream>

#include "ClassCodes.h"

namespace tolvar {

namespace {

const char* geoTypeName(std::int32_t geoType) {
  switch (geoType) {
    case 1:
      return "Punkt";
    case 2:
      return "Linie";
    case 3:
      return "Polygon";
    case 14:
      return "Multipolygon";
    default:
      return "keine";
  }
}

}  // namespace

void printObjects(std::ostream& out, const std::vector<host::ObjectSummary>& objects) {
  out << std::left << std::setw(8) << "ID" << std::setw(16) << "Kennung" << std::setw(8) << "Klasse"
      << std::setw(14) << "Geometrie"
      << "Fläche_ha\n";
  for (const host::ObjectSummary& object : objects) {
    std::ostringstream area;
    area << std::fixed << std::setprecision(4) << object.areaHectares;
    out << std::left << std::setw(8) << object.id << std::setw(16) << object.kennung << std::setw(8)
        << host::className(object.classCode) << std::setw(14) << geoTypeName(object.geoType) << area.str()
        << (object.temporary ? "  (vorübergehend)" : "") << "\n";
  }
}

void printTree(std::ostream& out, const std::vector<host::RowNode>& nodes, int depth) {
  for (const host::RowNode& node : nodes) {
    out << std::string(2 * depth, ' ') << node.table << " " << node.row.key << ":";
    const char* separator = " ";
    for (const auto& [field, value] : node.row.fields) {
      if (!value) continue;
      out << separator << field << "=" << *value;
      separator = ", ";
    }
    out << "\n";
    printTree(out, node.children, depth + 1);
  }
}

void printChangeList(std::ostream& out, const std::vector<host::ChangeListEntry>& entries) {
  for (const host::ChangeListEntry& entry : entries) out << entry.kennung << "\t" << entry.changed << "\n";
}

}  // namespace tolvar
