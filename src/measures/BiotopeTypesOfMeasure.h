#pragma once
// The biotope types of the BT objects lying on a measure: collected by key through the project
// database, merged by code, shares of the measure's area computed, written as BtypHtyp rows of
// the measure (the active object).
#include <cstdint>
#include <string>
#include <vector>

#include "measures/MeasureBiotopeType.h"
#include "measures/MeasureProgressWindow.h"
#include "measures/ProjectDatabaseConnection.h"

namespace aggregate {

void CollectBiotopeTypes(int32_t measureId, ProjectDatabaseConnection& database,
                         MeasureProgressWindow& progress, MeasureBiotopeTypes& list);
void CollectBiotopeTypesOfObject(int32_t measureId, int32_t objectId, ProjectDatabaseConnection& database,
                                 MeasureBiotopeTypes& list);
// The shared area is only told for a BT object with a single row: with several rows, no row's
// part of it is known.
void ReadBiotopeType(int32_t measureId, int32_t objectId, int32_t key, MeasureBiotopeTypes& list,
                     bool singleRow);
// Marks every later row of a code and gathers the positive areas on the first one.
void MarkDuplicateBiotopeTypes(MeasureBiotopeTypes& list);
void CalculateShares(int32_t measureId, MeasureBiotopeTypes& list);
// Drops a leading lower-case x, y or z.
std::string StripBiotopeTypePrefix(const std::string& code);
void WriteBiotopeTypes(const MeasureBiotopeTypes& list);

}  // namespace aggregate
