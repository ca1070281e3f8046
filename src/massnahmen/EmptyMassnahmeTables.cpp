#include "massnahmen/EmptyMassnahmeTables.h"

#include <string>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/Schema.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {

void DeleteTableRows(const char* table) {
  tlTableFirst(table);
  while (tlTableEOF(table) == 0) {
    // A row that stays would keep the loop going forever, and the Massnahme would keep stale rows
    // beneath the new ones.
    if (!DeleteCurrentRow(table))
      throw LibraryError(std::string("Eine Zeile der Tabelle ") + table + " lässt sich nicht löschen.");
  }
}

}  // namespace

void EmptyMassnahmeTables() {
  for (const char* table : {schema::kPlanungRelArten.name, schema::kTierliste.name,
                            schema::kPflanzenliste.name, schema::kSchichtung.name,
                            schema::kVegetationstyp.name, schema::kZusatzcodes.name, schema::kBtypHtyp.name})
    DeleteTableRows(table);
}

}  // namespace aggregate
