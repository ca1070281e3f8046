#pragma once
#include <memory>
#include <string>
#include <vector>

namespace aggregate {

// One BtypHtyp row of a BT object lying on a measure. Texts are Windows-1252, as the host gave them.
struct TBiotopTypDataSet {
  std::string Biotoptyp;
  double Flaeche = -1;       // hectares shared with the measure; -1 when it cannot be told
  bool IsDoublette = false;  // an earlier data set of the measure has the same code
  std::string Bemerkung;
  std::string FFHLrt;  // the row's Oekotyp
  std::string P62Typ;
  double Flaechenanteil = -1;  // percent of the measure's area
};

using TBiotopTypDataSets = std::vector<std::unique_ptr<TBiotopTypDataSet>>;

}  // namespace aggregate
