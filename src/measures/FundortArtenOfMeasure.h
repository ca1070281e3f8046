#pragma once
// The species of the FT and FP objects lying on a measure, each name and kind written once into
// the measure's PlanungRelArten, beneath a chain of "OZ" rows.
#include <cstdint>
#include <string>

#include "measures/FormAggregateMAS.h"
#include "measures/clsFundortData.h"

namespace aggregate {

void CollectFundortArten(int32_t measureId, TFrmAggregateMAS& form, TFundortDataSets& list);
// Objects of classes other than FT and FP add nothing.
void ReadFundortArten(int32_t objectId, TFrmAggregateMAS& form, TFundortDataSets& list);
void MarkFundortDoubletten(TFundortDataSets& list);
void WriteFundortDataSets(const TFundortDataSets& list);
// Makes the first row whose field holds "OZ" the table's current row, appending one if none does.
void EnsureOZRow(const std::string& table, const std::string& field);
void WriteFundortDataSet(const TFundortDataSet& dataSet);

}  // namespace aggregate
