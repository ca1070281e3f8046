// The area balance of BK, GB and FSN objects as a table: each biotope-type row with its hectares and
// share as stored, rows without any area marked, then the sums against the object's total area with
// the class's tolerance, judged as the area balance judges them.
#pragma once

#include <string>
#include <vector>

#include "CsvTable.h"
#include "Host.h"

namespace tolvar {

const std::vector<std::string>& areaBalanceReportHeader();
void writeAreaBalanceReport(const host::Host& host, const std::vector<std::string>& objects, CsvTable& table);

}  // namespace tolvar
