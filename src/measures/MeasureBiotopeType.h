#pragma once
#include <memory>
#include <string>
#include <vector>

namespace aggregate {

// One BtypHtyp row of a BT object lying on a measure. Texts are Windows-1252, as the host gave them.
struct MeasureBiotopeType {
  std::string code;          // Biotoptyp
  double area = -1;          // hectares shared with the measure; -1 when it cannot be told
  bool isDuplicate = false;  // an earlier row of the measure has the same code
  std::string remark;        // Bemerkung
  std::string habitatType;   // Oekotyp
  std::string p62Type;       // P62_Typ
  double share = -1;         // percent of the measure's area
};

using MeasureBiotopeTypes = std::vector<std::unique_ptr<MeasureBiotopeType>>;

}  // namespace aggregate
