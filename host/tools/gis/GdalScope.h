// GDAL/OGR as the GIS commands use it: drivers registered once per process, and GDAL's own English
// error lines kept off the terminal while a command runs, since the command says in German what
// failed and quotes GDAL's last message.
#pragma once

#include <cpl_error.h>

#include <string>

namespace tolvar {

class GdalScope {
 public:
  GdalScope();
  GdalScope(const GdalScope&) = delete;
  GdalScope& operator=(const GdalScope&) = delete;

  // GDAL's last error text, as " (text)", or empty when it had none.
  static std::string lastMessage();

 private:
  CPLErrorHandlerPusher quiet_{CPLQuietErrorHandler};
};

}  // namespace tolvar
