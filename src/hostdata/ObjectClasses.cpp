#include "hostdata/ObjectClasses.h"

namespace aggregate {

std::string GetClassDisplayName(int32_t classCode) {
  switch (classCode) {
    case kClassBK:
      return "BK (schutzwürdig Biotope)";
    case kClassBT:
      return "BT (Biotoptypen)";
    case kClassGB:
      return "GB (Gesetzlich geschuetzte Biotope)";
    case kClassFSN:
      return "FSN (Flurstücke des Naturschutzes)";
    default:
      return "unbekannt";
  }
}

}  // namespace aggregate
