#include "MeasureReport.h"

#include <algorithm>

#include "BiotoptypRows.h"
#include "Joined.h"
#include "RenderScene.h"

namespace tolvar {

namespace {

struct SourceObject {
  std::string kennung;
  bool severalRows = false;
};

// The BT objects on the measure whose rows give this code; the host's spatial query finds them as
// it does for the aggregation.
std::vector<SourceObject> sourcesOf(const host::Host& host, const RenderScene& scene,
                                    const std::string& code) {
  std::vector<SourceObject> sources;
  for (const BiotopPiece& piece : scene.biotopes) {
    const std::vector<host::Row> rows = host.rows(piece.kennung, "BtypHtyp");
    for (const host::Row& row : rows) {
      if (aggregatedCode(row.value("Biotoptyp")) != code) continue;
      sources.push_back({piece.kennung, rows.size() > 1});
      break;
    }
  }
  return sources;
}

// The tables cannot tell why the aggregation wrote no area: the geometry and the sources' rows can.
std::string reasonWithoutArea(const BiotoptypRow& row, double measureHectares,
                              const std::vector<SourceObject>& sources) {
  if (row.hectares && row.share) return {};
  if (measureHectares <= 0) return kMeasureWithoutArea;
  if (row.hectares) return {};
  if (sources.empty()) return kNoSourceLeft;
  const bool allSeveral =
      std::all_of(sources.begin(), sources.end(), [](const SourceObject& s) { return s.severalRows; });
  return allSeveral ? kSeveralBiotoptypen : kPieceWithoutArea;
}

std::string kennungenOf(const std::vector<SourceObject>& sources) {
  std::vector<std::string> kennungen;
  for (const SourceObject& s : sources) kennungen.push_back(s.kennung);
  return joined(kennungen);
}

}  // namespace

const std::vector<std::string>& measureReportHeader() {
  static const std::vector<std::string> header = {"Maßnahme",          "Fläche der Maßnahme (ha)",
                                                  "Biotoptyp",         "Oekotyp",
                                                  "P62_Typ",           "Bemerkung",
                                                  "Fläche (ha)",       "Anteil (%)",
                                                  "Grund ohne Fläche", "BT-Objekte",
                                                  "Arten der Maßnahme"};
  return header;
}

void writeMeasureReport(host::Host& host, const std::vector<std::string>& measures, CsvTable& table) {
  for (const std::string& kennung : measures) {
    const host::ObjectSummary measure = host.object(kennung);
    // Without geometry nothing lies on the measure, and there is nothing to draw.
    const RenderScene scene = measure.geoType != 0 ? collectRenderScene(host, kennung) : RenderScene{};
    const std::string area = table.number(measure.areaHectares);
    const std::string species = speciesText(speciesOf(host, kennung));
    double hectares = 0;
    double share = 0;
    for (const BiotoptypRow& row : biotoptypRowsOf(host, kennung, SpeciesCarrier::Left)) {
      const std::vector<SourceObject> sources = sourcesOf(host, scene, row.code);
      table.addRow({kennung, area, row.code, row.oekotyp, row.p62, row.remark, table.number(row.hectaresText),
                    table.number(row.shareText), reasonWithoutArea(row, measure.areaHectares, sources),
                    kennungenOf(sources), species});
      hectares += row.hectares.value_or(0);
      share += row.share.value_or(0);
    }
    table.addRow(
        {kennung, area, "Summe", "", "", "", table.number(hectares), table.number(share), "", "", species});
  }
}

}  // namespace tolvar
