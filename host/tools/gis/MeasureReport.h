// The measure report: one line per measure and biotope type with hectares and share as the last
// aggregation wrote them, why a row has no area, the BT objects behind it and the measure's species,
// then a line with the measure's sums.
#pragma once

#include <string>
#include <vector>

#include "CsvTable.h"
#include "Host.h"

namespace tolvar {

// The texts of the column that says why a row has no area.
inline constexpr const char* kSeveralBiotoptypen = "BT-Objekt mit mehreren Biotoptypen";
inline constexpr const char* kMeasureWithoutArea = "Maßnahme ohne Fläche";
inline constexpr const char* kPieceWithoutArea = "BT-Objekt ohne Fläche auf der Maßnahme";
inline constexpr const char* kNoSourceLeft = "kein BT-Objekt dieses Biotoptyps mehr auf der Maßnahme";

const std::vector<std::string>& measureReportHeader();
void writeMeasureReport(host::Host& host, const std::vector<std::string>& measures, CsvTable& table);

}  // namespace tolvar
