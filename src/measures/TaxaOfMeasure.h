#pragma once
// The species of the FT and FP objects lying on a measure, each name and kind written once into
// the measure's PlanungRelArten, beneath a chain of "OZ" rows.
#include <cstdint>
#include <string>

#include "measures/MeasureProgressWindow.h"
#include "measures/MeasureTaxon.h"
#include "measures/ProjectDatabaseConnection.h"

namespace aggregate {

void CollectTaxa(int32_t measureId, ProjectDatabaseConnection& database, MeasureProgressWindow& progress,
                 MeasureTaxonList& list);
// Objects of classes other than FT and FP add nothing.
void ReadTaxaOfObject(int32_t objectId, ProjectDatabaseConnection& database, MeasureTaxonList& list);
void MarkDuplicateTaxa(MeasureTaxonList& list);
void WriteTaxonList(const MeasureTaxonList& list);
// Makes the first row whose field holds "OZ" the table's current row, appending one if none does.
void EnsureOZRow(const std::string& table, const std::string& field);
void WriteTaxon(const MeasureTaxon& species);

}  // namespace aggregate
