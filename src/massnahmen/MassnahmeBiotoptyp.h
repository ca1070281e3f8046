#pragma once
#include <memory>
#include <string>
#include <vector>

#include "hostdata/Schema.h"

namespace aggregate {

// One BtypHtyp row of a BT object lying on a Massnahme, its texts as the host gave them.
struct MassnahmeBiotoptyp {
  schema::BiotoptypCodes codes;
  std::string bemerkung;
  double flaeche = -1;         // hectares shared with the Massnahme; -1 when it cannot be told
  double flaechenanteil = -1;  // percent of the Massnahme's area
  bool isDuplicate = false;    // an earlier row of the Massnahme has the same Biotoptyp
};

using MassnahmeBiotoptypen = std::vector<std::unique_ptr<MassnahmeBiotoptyp>>;

}  // namespace aggregate
