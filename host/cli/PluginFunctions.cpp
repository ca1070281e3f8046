#include "PluginFunctions.h"

namespace tolvar {

const std::vector<PluginFunction>& pluginFunctions() {
  static const std::vector<PluginFunction> functions = {
      {"BTToGB", "Biotoptypen der ausgewählten BT-Objekte in das ausgewählte GB-Objekt übertragen"},
      {"GBToBK", "Biotoptypen der ausgewählten GB-Objekte in das ausgewählte BK-Objekt übertragen"},
      {"BTToBK", "Biotoptypen der ausgewählten BT-Objekte in das ausgewählte BK-Objekt übertragen"},
      {"BTToFSN", "Biotoptypen der ausgewählten BT-Objekte in das ausgewählte FSN-Objekt übertragen"},
      {"BT_FT_FPToMAS", "die ausgewählten Maßnahmen (MAS) neu mit Biotoptypen und Arten füllen"},
      {"BerechneBTFlaechen", "Flächenbilanz des aktiven BK-, GB- oder FSN-Objekts"},
      {"deleteObject", "eine BtypHtyp-Zeile des aktiven Objekts löschen (PKey von der Standardeingabe)"},
      {"FlaechenanteilChanged", "Feldereignis zu Flaechenanteil: die Hektar folgen (mit edit)"},
      {"FlaecheAbsolutChanged", "Feldereignis zu FLAECHE: der Flächenanteil folgt (mit edit)"},
      {"SetFFHFlag", "Feldereignis zu Oekotyp: ist_FFHLRT folgt (mit edit)"},
      {"SetP62Flag", "Feldereignis zu P62_Typ: ist_P62_typ folgt (mit edit)"},
      {"FindSelectedMAS", "Rückruf der Maßnahmen-Aggregation beim Durchlaufen der Auswahl"},
      {"CheckObjectSelection", "Rückruf der Datenübertragung beim Durchlaufen der Auswahl"},
  };
  return functions;
}

std::vector<std::string> pluginFunctionNames() {
  std::vector<std::string> names;
  for (const PluginFunction& function : pluginFunctions()) names.push_back(function.name);
  return names;
}

}  // namespace tolvar
