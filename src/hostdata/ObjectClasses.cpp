#include "hostdata/ObjectClasses.h"

#include "platform/TextEncoding.h"

namespace aggregate {

std::string GetClassDisplayName(int32_t classCode) {
  switch (classCode) {
    case kClassBK:
      return Ansi("BK (schutzwürdig Biotope)");
    case kClassBT:
      return Ansi("BT (Biotoptypen)");
    case kClassGB:
      return Ansi("GB (Gesetzlich geschuetzte Biotope)");
    case kClassFSN:
      return Ansi("FSN (Flurstücke des Naturschutzes)");
    default:
      return Ansi("unbekannt");
  }
}

}  // namespace aggregate
