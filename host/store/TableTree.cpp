#include "TableTree.h"

#include "TextCase.h"

namespace host {

const std::vector<StandardTable>& standardTables() {
  static const std::vector<StandardTable> tables = {
      {"BtypHtyp",
       nullptr,
       {"Biotoptyp", "Oekotyp", "P62_Typ", "Bemerkung", "FLAECHE", "Flaechenanteil", "ist_FFHLRT",
        "ist_P62_typ", "Ges_Fl", "Ges_Proz"}},
      {"Zusatzcodes", "BtypHtyp", {"Zusatzcode"}},
      {"Vegetationstyp", "BtypHtyp", {"Vegetationstyp"}},
      {"Schichtung", "Vegetationstyp", {"Schicht"}},
      {"Pflanzenliste", "Schichtung", {"Pflanzenart", "Anzahl_klass"}},
      {"Tierliste", "Schichtung", {"Tierart"}},
      {"PlanungRelArten", "Schichtung", {"PlanRel_T_Art", "PlanRel_P_Art"}},
      {"LINFOS2", nullptr, {"OffFlaech"}},
  };
  return tables;
}

std::optional<std::string> parentTableOf(std::string_view table) {
  for (const StandardTable& t : standardTables()) {
    if (equalsIgnoringCase(t.name, table)) {
      return t.parent != nullptr ? std::optional<std::string>(t.parent) : std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace host
