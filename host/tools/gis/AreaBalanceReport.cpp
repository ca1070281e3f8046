#include "AreaBalanceReport.h"

#include "BiotoptypRows.h"
#include "ClassCodes.h"
#include "Joined.h"

namespace tolvar {

namespace {

struct Sums {
  double hectares = 0;
  double share = 0;
  int withoutArea = 0;
};

// A polygon's area; for any other object the recorded total area.
double totalHectares(const host::Host& host, const host::ObjectSummary& object) {
  if (object.geoType == 3 || object.geoType == 14) return object.areaHectares;
  const std::vector<host::Row> recorded = host.rows(object.kennung, "LINFOS2");
  return recorded.empty() ? 0 : storedNumber(recorded.front().value("OffFlaech")).value_or(0);
}

// Percentage points the sums may fall short; FSN objects may fall short without limit.
double toleranceOf(std::int32_t classCode) { return classCode == host::kClassBK ? 10 : 2; }

std::string verdict(const Sums& sums, double total, std::int32_t classCode) {
  if (total <= 0) return "ohne Gesamtflächenangabe keine Bilanz";
  const double tolerance = toleranceOf(classCode);
  const bool lowerLimit = classCode != host::kClassFSN;
  std::vector<std::string> findings;
  if (sums.withoutArea > 0) {
    findings.push_back(std::to_string(sums.withoutArea) +
                       (sums.withoutArea == 1 ? " BT-Datensatz" : " BT-Datensätze") + " ohne Flächenangabe");
  }
  if (sums.share > 100) findings.emplace_back("Flächenanteile zu groß");
  if (lowerLimit && sums.share < 100 - tolerance) findings.emplace_back("Flächenanteile zu klein");
  if (sums.hectares > total / 100 * 100.1) findings.emplace_back("Teilflächen zu groß");
  if (lowerLimit && sums.hectares < total / 100 * (100 - tolerance))
    findings.emplace_back("Teilflächen zu klein");
  const std::string text = joined(findings, "; ");
  return text.empty() ? "in Ordnung" : text;
}

}  // namespace

const std::vector<std::string>& areaBalanceReportHeader() {
  static const std::vector<std::string> header = {"Objekt",       "Klasse",      "Gesamtfläche (ha)",
                                                  "Biotoptyp",    "Fläche (ha)", "Anteil (%)",
                                                  "Toleranz (%)", "Hinweis"};
  return header;
}

void writeAreaBalanceReport(const host::Host& host, const std::vector<std::string>& objects,
                            CsvTable& table) {
  for (const std::string& kennung : objects) {
    const host::ObjectSummary object = host.object(kennung);
    const std::string className = host::className(object.classCode);
    const double total = totalHectares(host, object);
    const std::string totalText = table.number(total);
    const std::string tolerance = table.number(toleranceOf(object.classCode));
    Sums sums;
    for (const BiotoptypRow& row : biotoptypRowsOf(host, kennung, SpeciesCarrier::Kept)) {
      const bool withoutArea = !row.hectares && !row.share;
      table.addRow({kennung, className, totalText, row.code, table.number(row.hectaresText),
                    table.number(row.shareText), tolerance, withoutArea ? "ohne Flächenangabe" : ""});
      sums.hectares += row.hectares.value_or(0);
      sums.share += row.share.value_or(0);
      sums.withoutArea += withoutArea ? 1 : 0;
    }
    // The balance writes a share sum this close to 100 as 100.
    if (sums.share >= 99.9 && sums.share <= 100.1) sums.share = 100;
    table.addRow({kennung, className, totalText, "Summe", table.number(sums.hectares),
                  table.number(sums.share), tolerance, verdict(sums, total, object.classCode)});
  }
}

}  // namespace tolvar
