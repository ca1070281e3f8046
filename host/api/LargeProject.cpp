#include "LargeProject.h"

#include "ClassCodes.h"

namespace host {

namespace {

constexpr double kMeasureSide = 100;
constexpr double kMeasureSpacing = 200;
constexpr int kMeasuresPerLine = 40;
constexpr int kFillerPerLine = 1000;
constexpr double kFillerSide = 20;

void addMeasure(ProjectBuilder& project, std::int32_t& nextId, int index,
                std::vector<std::string>& measures) {
  // Measures of 100 m x 100 m on a grid, each tiled by 4 x 5 BT objects of 25 m x 20 m.
  const double x0 = (index % kMeasuresPerLine) * kMeasureSpacing;
  const double y0 = (index / kMeasuresPerLine) * kMeasureSpacing;
  measures.push_back("MAS-" + std::to_string(index));
  const std::int32_t measure = nextId++;
  project.addRectangle(measure, measures.back(), kClassMAS, x0, y0, x0 + kMeasureSide, y0 + kMeasureSide);
  project.addRow("BtypHtyp", measure, std::nullopt, {{"Biotoptyp", "ALT"}});
  for (int b = 0; b < LargeProject::kBiotoptypenPerMassnahme; ++b) {
    const double bx = x0 + (b % 4) * 25.0;
    const double by = y0 + (b / 4) * 20.0;
    const std::int32_t id = nextId++;
    project.addRectangle(id, "BT-" + std::to_string(id), kClassBT, bx, by, bx + 25, by + 20);
    project.addRow("BtypHtyp", id, std::nullopt,
                   {{"Biotoptyp", b % 3 == 0 ? "xGMF" : "WBA"}, {"Oekotyp", "9110"}, {"P62_Typ", ""}});
    if (b == 0) project.addRow("BtypHtyp", id, std::nullopt, {{"Biotoptyp", "NSS"}});
  }
  for (int f = 0; f < 3; ++f) {
    const std::int32_t id = nextId++;
    const bool plant = f == 2;
    project.addObject(id, "F-" + std::to_string(id), plant ? kClassFP : kClassFT,
                      "POINT(" + std::to_string(x0 + 10 + 30 * f) + " " + std::to_string(y0 + 50) + ")");
    for (const char* name : {"Lacerta agilis", "Bufo bufo", "Arnica montana"})
      project.addRow(plant ? "Pflanzenliste" : "Tierliste", id, std::nullopt,
                     {{plant ? "Pflanzenart" : "Tierart", name}});
  }
}

}  // namespace

std::vector<std::string> LargeProject::plan(ProjectBuilder& project, std::int32_t btObjects) {
  std::vector<std::string> measures;
  std::int32_t nextId = 1;
  for (int m = 0; m < kMeasures; ++m) addMeasure(project, nextId, m, measures);
  // The rest south of the measures, so every query near a measure meets the same neighbours.
  for (std::int32_t f = 0; f < btObjects - kMeasures * kBiotoptypenPerMassnahme; ++f) {
    const double x = (f % kFillerPerLine) * kFillerSide;
    const double y = -kMeasureSpacing - (f / kFillerPerLine) * kFillerSide;
    const std::int32_t id = nextId++;
    project.addRectangle(id, "BT-" + std::to_string(id), kClassBT, x, y - kFillerSide, x + kFillerSide, y);
    project.addRow("BtypHtyp", id, std::nullopt,
                   {{"Biotoptyp", f % 2 == 0 ? "WBA" : "GMF"}, {"Oekotyp", "9110"}});
  }
  return measures;
}

}  // namespace host
