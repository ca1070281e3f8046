#pragma once

namespace aggregate {

// Empties the seven tables of the active object that the measure run fills: PlanungRelArten,
// Tierliste, Pflanzenliste, Schichtung, Vegetationstyp, Zusatzcodes and BtypHtyp. Throws when the
// host keeps a row.
void EmptyMeasureTables();

}  // namespace aggregate
