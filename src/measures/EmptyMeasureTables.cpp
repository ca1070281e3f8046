#include "measures/EmptyMeasureTables.h"

#include <string>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {

void DeleteTableRows(const std::string& table) {
  tlTableFirst(table.c_str());
  while (tlTableEOF(table.c_str()) == 0) {
    // A row that stays would keep the loop going forever, and the measure would keep stale rows
    // beneath the new ones.
    if (!DeleteCurrentRow(table.c_str()))
      throw LibraryError(std::string("Eine Zeile der Tabelle ") + table + " lässt sich nicht löschen.");
  }
}

}  // namespace

void EmptyMeasureTables() {
  // Detail rows go before the rows they belong to.
  for (const char* table : {"PlanungRelArten", "Tierliste", "Pflanzenliste", "Schichtung", "Vegetationstyp",
                            "Zusatzcodes", "BtypHtyp"})
    DeleteTableRows(table);
}

}  // namespace aggregate
