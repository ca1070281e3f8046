#include "GdalScope.h"

#include <gdal.h>

#include <mutex>

namespace tolvar {

GdalScope::GdalScope() {
  static std::once_flag registered;
  std::call_once(registered, [] { GDALAllRegister(); });
  CPLErrorReset();
}

std::string GdalScope::lastMessage() {
  const std::string message = CPLGetLastErrorMsg();
  return message.empty() ? std::string() : " (" + message + ")";
}

}  // namespace tolvar
