// Writes the demo project: generate_demo <dir>. The directory must not hold a project yet.
#include <iostream>

#include "ClassCodes.h"
#include "ProjectBuilder.h"

namespace {

using host::FieldValues;

// Biotope-type row with its additional code and, if given, a vegetation type with its layers.
std::int64_t addBiotoptyp(host::ProjectBuilder& project, std::int32_t object, const FieldValues& fields,
                          const char* additionalCode) {
  const std::int64_t row = project.addRow("BtypHtyp", object, std::nullopt, fields);
  if (additionalCode != nullptr) project.addRow("Zusatzcodes", object, row, {{"Zusatzcode", additionalCode}});
  return row;
}

void build(host::ProjectBuilder& project) {
  using namespace host;
  // A metre grid; the measures overlap the biotope-type areas partly.
  project.addRectangle(1, "BT-001", kClassBT, 499900, 5700000, 500150, 5700200)
      .addRectangle(2, "BT-002", kClassBT, 500150, 5700000, 500400, 5700100)
      .addRectangle(3, "BT-003", kClassBT, 500150, 5700100, 500300, 5700200)
      .addRectangle(4, "BT-004", kClassBT, 500400, 5700000, 500600, 5700200)
      .addRectangle(10, "GB-001", kClassGB, 499950, 5700000, 500300, 5700200)
      .addRectangle(11, "GB-002", kClassGB, 501200, 5700000, 501400, 5700200)
      .addRectangle(20, "BK-001", kClassBK, 499900, 5700000, 500400, 5700200)
      .addObject(
          30, "FSN-001", kClassFSN,
          "MULTIPOLYGON(((499900 5700000, 500100 5700000, 500100 5700100, 499900 5700100, 499900 5700000)),"
          "((500200 5700100, 500400 5700100, 500400 5700200, 500200 5700200, 500200 5700100)))")
      .addRectangle(40, "MAS-01", kClassMAS, 500000, 5700000, 500300, 5700200)
      .addRectangle(41, "MAS-02", kClassMAS, 500400, 5700000, 500600, 5700100)
      .addRectangle(42, "MAS-03", kClassMAS, 501000, 5700000, 501100, 5700100)
      .addObject(50, "FT-01", kClassFT, "POINT(500100 5700050)")
      .addObject(51, "FT-02", kClassFT, "POINT(500700 5700300)")
      .addObject(60, "FP-01", kClassFP, "POINT(500250 5700150)");

  const std::int64_t beech = addBiotoptyp(project, 1,
                                          {{"Biotoptyp", "WBA"},
                                           {"Oekotyp", "9110"},
                                           {"P62_Typ", ""},
                                           {"Bemerkung", "Hainsimsen-Buchenwald"},
                                           {"FLAECHE", "5"},
                                           {"Flaechenanteil", "100"}},
                                          "h");
  const std::int64_t luzulo =
      project.addRow("Vegetationstyp", 1, beech, {{"Vegetationstyp", "Luzulo-Fagetum"}});
  const std::int64_t tree = project.addRow("Schichtung", 1, luzulo, {{"Schicht", "B1"}});
  project.addRow("Schichtung", 1, luzulo, {{"Schicht", "S"}});
  const std::int64_t herbs = project.addRow("Schichtung", 1, luzulo, {{"Schicht", "K"}});
  project.addRow("Pflanzenliste", 1, tree, {{"Pflanzenart", "Fagus sylvatica"}, {"Anzahl_klass", "5"}});
  project.addRow("Pflanzenliste", 1, herbs, {{"Pflanzenart", "Großes Zweiblatt"}, {"Anzahl_klass", "1"}});
  project.addRow("Tierliste", 1, herbs, {{"Tierart", "Bufo bufo"}});

  const std::int64_t meadow = addBiotoptyp(
      project, 2, {{"Biotoptyp", "xGMF"}, {"Oekotyp", "6510"}, {"P62_Typ", ""}, {"FLAECHE", "2.5"}}, "m");
  const std::int64_t arrhenatherion =
      project.addRow("Vegetationstyp", 2, meadow, {{"Vegetationstyp", "Arrhenatherion"}});
  const std::int64_t field = project.addRow("Schichtung", 2, arrhenatherion, {{"Schicht", "K"}});
  project.addRow("Pflanzenliste", 2, field, {{"Pflanzenart", "Arnica montana"}, {"Anzahl_klass", "2"}});

  addBiotoptyp(project, 3, {{"Biotoptyp", "WBA"}, {"Oekotyp", "9130"}, {"P62_Typ", ""}, {"FLAECHE", "1.5"}},
               nullptr);
  addBiotoptyp(project, 4, {{"Biotoptyp", "NSS"}, {"Oekotyp", ""}, {"P62_Typ", "§ 62"}, {"FLAECHE", "3"}},
               "n");
  addBiotoptyp(project, 4, {{"Biotoptyp", "FGR"}, {"Oekotyp", ""}, {"P62_Typ", "§ 62"}, {"FLAECHE", "1"}},
               nullptr);

  addBiotoptyp(project, 10,
               {{"Biotoptyp", "GMF"},
                {"Oekotyp", "6510"},
                {"P62_Typ", "§ 62"},
                {"FLAECHE", "3.5"},
                {"Flaechenanteil", "50"},
                {"ist_FFHLRT", "Wahr"},
                {"ist_P62_typ", "Wahr"}},
               nullptr);
  addBiotoptyp(project, 20, {{"Biotoptyp", "WBA"}, {"Oekotyp", "9110"}, {"P62_Typ", ""}, {"FLAECHE", "5"}},
               nullptr);
  project.addRow("LINFOS2", 20, std::nullopt, {{"OffFlaech", "10"}});
  addBiotoptyp(project, 30, {{"Biotoptyp", "OZ"}}, nullptr);
  // Left over from an earlier aggregation; the measure command replaces it.
  addBiotoptyp(project, 40, {{"Biotoptyp", "OZ"}, {"Bemerkung", "veraltet"}}, nullptr);

  // Find-site species belong to their object directly.
  project.addRow("Tierliste", 50, std::nullopt, {{"Tierart", "Lacerta agilis"}});
  project.addRow("Tierliste", 50, std::nullopt, {{"Tierart", "Bufo bufo"}});
  project.addRow("Tierliste", 51, std::nullopt, {{"Tierart", "Rana temporaria"}});
  project.addRow("Pflanzenliste", 60, std::nullopt,
                 {{"Pflanzenart", "Arnica montana"}, {"Anzahl_klass", "2"}});
  project.addRow("Pflanzenliste", 60, std::nullopt,
                 {{"Pflanzenart", "Großes Zweiblatt"}, {"Anzahl_klass", "1"}});

  // The meadow of BT-002 is already recorded on GB-001 with 1 ha: BTToGB adds its area to this row
  // and hangs its code and vegetation type below it.
  project.addRow("BtypHtyp", 10, std::nullopt,
                 {{"Biotoptyp", "xGMF"}, {"Oekotyp", "6510"}, {"P62_Typ", ""}, {"FLAECHE", "1"}});

  // Area figures for the area balance to complete: hectares only, and a share only.
  addBiotoptyp(project, 11,
               {{"Biotoptyp", "GMF"}, {"Oekotyp", "6510"}, {"P62_Typ", "§ 62"}, {"FLAECHE", "1"}}, nullptr);
  addBiotoptyp(project, 11,
               {{"Biotoptyp", "NSS"}, {"Oekotyp", ""}, {"P62_Typ", "§ 62"}, {"Flaechenanteil", "75"}},
               nullptr);

  project.createChangeList(
      {{"GB-001", "IGNORED"}, {"BK-001", "UPDATE"}, {"FSN-001", "IGNORED"}, {"BT-001", ""}});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: generate_demo <dir>\n";
    return 2;
  }
  try {
    host::ProjectBuilder project;
    build(project);
    project.write(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "generate_demo: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
