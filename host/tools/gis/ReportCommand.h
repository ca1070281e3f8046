// tolvar <dir> report [--balance] <file.csv> [Kennung...]: the measure report, or with --balance the
// area balance of BK, GB and FSN objects, for the given objects, else the selected ones of those
// classes, else all of them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Host.h"

namespace tolvar {

struct ReportOptions {
  bool balance = false;
  std::filesystem::path file;
  std::vector<std::string> kennungen;
};

// The arguments after "report"; throws UsageError.
ReportOptions parseReportOptions(const std::vector<std::string>& args);

// Returns what was written, in one line.
std::string writeReport(host::Host& host, const ReportOptions& options);

}  // namespace tolvar
