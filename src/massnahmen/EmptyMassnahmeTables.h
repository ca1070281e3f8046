#pragma once

namespace aggregate {

// Deletes every row of the seven tables a Massnahme is filled into, detail rows first, from the
// active object. Throws LibraryError, naming the table, when a row stays.
void EmptyMassnahmeTables();

}  // namespace aggregate
