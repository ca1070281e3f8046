#include "HostTestProject.h"

namespace hosttest {

namespace {

Keys buildProject(const std::filesystem::path& dir) {
  using namespace host;
  ProjectBuilder project;
  project.addRectangle(1, "BT-1", kClassBT, 0, 0, 100, 100)
      .addRectangle(2, "BT-2", kClassBT, 100, 0, 200, 100)
      .addRectangle(3, "GB-1", kClassGB, 50, 0, 150, 100)
      .addRectangle(4, "MAS-1", kClassMAS, 0, 0, 200, 100)
      .addObject(5, "FT-1", kClassFT, "POINT(50 50)")
      .addObject(6, "BK-ohne", kClassBK, "")
      .addObject(7, "FSN-1", kClassFSN,
                 "MULTIPOLYGON(((0 0, 10 0, 10 10, 0 10, 0 0)), ((20 0, 30 0, 30 10, 20 10, 20 0)))")
      .addRectangle(8, "BT-fern", kClassBT, 5000, 5000, 5100, 5100);
  Keys k{};
  k.wba = project.addRow("BtypHtyp", 1, std::nullopt,
                         {{"Biotoptyp", "WBA"}, {"Oekotyp", "9110"}, {"P62_Typ", std::nullopt}});
  k.xgmf = project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "xGMF"}, {"Oekotyp", "6510"}});
  k.oz = project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "OZ"}});
  k.h = project.addRow("Zusatzcodes", 1, k.wba, {{"Zusatzcode", "h"}});
  k.m = project.addRow("Zusatzcodes", 1, k.wba, {{"Zusatzcode", "m"}});
  k.x = project.addRow("Zusatzcodes", 1, k.xgmf, {{"Zusatzcode", "x"}});
  k.luzulo = project.addRow("Vegetationstyp", 1, k.wba, {{"Vegetationstyp", "Luzulo-Fagetum"}});
  k.b1 = project.addRow("Schichtung", 1, k.luzulo, {{"Schicht", "B1"}});
  k.fagus = project.addRow("Pflanzenliste", 1, k.b1, {{"Pflanzenart", "Fagus sylvatica"}});
  k.nss = project.addRow("BtypHtyp", 2, std::nullopt, {{"Biotoptyp", "NSS"}});
  k.lacerta = project.addRow("Tierliste", 5, std::nullopt, {{"Tierart", "Lacerta agilis"}});
  k.linfos = project.addRow("LINFOS2", 6, std::nullopt, {{"OffFlaech", "12,5"}});
  project.setHandlers({{"BtypHtyp.Oekotyp", "UpperCaseHandler"}, {"BtypHtyp.P62_Typ", "MarkCurrentRow"}});
  project.write(dir);
  return k;
}

}  // namespace

HostTest::HostTest() : dir(temp / "projekt"), keys(buildProject(dir)), host(dir) {}

std::string value(const char* table, const char* field) {
  char buffer[4097] = "";
  return tlGetValueByName(table, field, buffer, 4096) != 0 ? buffer : "<none>";
}

std::string valueByKey(std::int64_t key, const char* table, const char* field) {
  char buffer[4097] = "";
  return tlGetValueByPKEY(static_cast<int32_t>(key), table, field, buffer, 4096) != 0 ? buffer : "<none>";
}

std::vector<std::string> column(const char* table, const char* field) {
  std::vector<std::string> values;
  tlTableFirst(table);
  for (int guard = 0; tlTableEOF(table) == 0 && guard < 1000; ++guard) {
    values.push_back(value(table, field));
    tlTableNext(table);
  }
  return values;
}

}  // namespace hosttest
