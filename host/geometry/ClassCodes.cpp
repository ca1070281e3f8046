#include "ClassCodes.h"

namespace host {

std::string className(std::int32_t classCode) {
  switch (classCode) {
    case kClassBK:
      return "BK";
    case kClassBT:
      return "BT";
    case kClassFT:
      return "FT";
    case kClassFP:
      return "FP";
    case kClassMAS:
      return "MAS";
    case kClassGB:
      return "GB";
    case kClassFSN:
      return "FSN";
    default:
      return std::to_string(classCode);
  }
}

}  // namespace host
