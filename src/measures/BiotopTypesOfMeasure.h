#pragma once
// The biotope types of the BT objects lying on a measure: collected by key through the project
// database, merged by code, shares of the measure's area computed, written as BtypHtyp rows of
// the measure (the active object).
#include <cstdint>
#include <string>

#include "measures/FormAggregateMAS.h"
#include "measures/clsBiotoptypData.h"

namespace aggregate {

void CollectBiotopTypes(int32_t measureId, TFrmAggregateMAS& form, TBiotopTypDataSets& list);
void CollectBiotopTypesOfObject(int32_t measureId, int32_t objectId, TFrmAggregateMAS& form,
                                TBiotopTypDataSets& list);
// The shared area is only told for a BT object with a single row: with several rows, no row's
// part of it is known.
void ReadBiotopTypDataSet(int32_t measureId, int32_t objectId, int32_t key, TBiotopTypDataSets& list,
                          bool singleRow);
// Marks every later data set of a code and gathers the positive areas on the first one.
void MarkBiotopTypDoublettes(TBiotopTypDataSets& list);
void CalcFlaechenanteile(int32_t measureId, TBiotopTypDataSets& list);
// Drops a leading lower-case x, y or z.
std::string StripBiotopTypPrefix(const std::string& code);
void WriteBiotopTypDataSets(const TBiotopTypDataSets& list);

}  // namespace aggregate
