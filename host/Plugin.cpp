#include "Plugin.h"

#include <dlfcn.h>

#include "Host.h"

namespace host {

Plugin::Plugin(const std::filesystem::path& sharedObject)
    : path_(sharedObject), handle_(dlopen(sharedObject.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) {
    const char* reason = dlerror();
    throw HostError("Das Plug-in " + sharedObject.string() +
                    " lässt sich nicht laden: " + (reason != nullptr ? reason : "?"));
  }
}

Plugin::~Plugin() { dlclose(handle_); }

TLExportProc Plugin::find(const std::string& exportName) const {
  // POSIX guarantees that a function's address survives the round trip through void*.
  return reinterpret_cast<TLExportProc>(dlsym(handle_, exportName.c_str()));
}

TLExportProc Plugin::require(const std::string& exportName) const {
  TLExportProc proc = find(exportName);
  if (proc == nullptr) throw HostError("Das Plug-in hat keine Funktion '" + exportName + "'");
  return proc;
}

}  // namespace host
