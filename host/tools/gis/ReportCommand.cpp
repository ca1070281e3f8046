#include "ReportCommand.h"

#include <algorithm>

#include "AreaBalanceReport.h"
#include "ClassCodes.h"
#include "CsvTable.h"
#include "MeasureReport.h"
#include "UsageError.h"

namespace tolvar {

namespace {

bool isOneOf(std::int32_t classCode, const std::vector<std::int32_t>& classes) {
  return std::find(classes.begin(), classes.end(), classCode) != classes.end();
}

std::vector<std::string> chosenObjects(const host::Host& host, const std::vector<std::string>& given,
                                       const std::vector<std::int32_t>& classes, const std::string& what) {
  for (const std::string& kennung : given) {
    if (!isOneOf(host.object(kennung).classCode, classes))
      throw host::HostError(kennung + " ist kein Objekt der Klasse " + what + ".");
  }
  if (!given.empty()) return given;
  std::vector<std::string> chosen;
  for (const std::string& kennung : host.selection()) {
    if (isOneOf(host.object(kennung).classCode, classes)) chosen.push_back(kennung);
  }
  if (!chosen.empty()) return chosen;
  for (const host::ObjectSummary& object : host.objects()) {
    if (!object.temporary && isOneOf(object.classCode, classes)) chosen.push_back(object.kennung);
  }
  return chosen;
}

}  // namespace

ReportOptions parseReportOptions(const std::vector<std::string>& args) {
  ReportOptions options;
  std::size_t first = 0;
  if (!args.empty() && args[0] == "--balance") {
    options.balance = true;
    first = 1;
  }
  if (first == args.size()) throw UsageError("report: die CSV-Datei fehlt");
  options.file = args[first];
  options.kennungen.assign(args.begin() + static_cast<std::ptrdiff_t>(first) + 1, args.end());
  return options;
}

std::string writeReport(host::Host& host, const ReportOptions& options) {
  const std::vector<std::string> objects =
      options.balance ? chosenObjects(host, options.kennungen,
                                      {host::kClassBK, host::kClassGB, host::kClassFSN}, "BK, GB oder FSN")
                      : chosenObjects(host, options.kennungen, {host::kClassMAS}, "MAS");
  CsvTable table(options.file, options.balance ? areaBalanceReportHeader() : measureReportHeader());
  if (options.balance) {
    writeAreaBalanceReport(host, objects, table);
  } else {
    writeMeasureReport(host, objects, table);
  }
  table.close();
  return (options.balance ? "Flächenbilanz von " : "Bericht über ") + std::to_string(objects.size()) +
         (options.balance ? " Objekten" : " Maßnahmen") + " in " + options.file.string() + " geschrieben.";
}

}  // namespace tolvar
