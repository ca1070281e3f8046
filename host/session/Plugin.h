// The plug-in shared object, loaded with dlopen and registered under its Windows module name.
#pragma once

#include <filesystem>
#include <string>

#include "TolvarApi.h"

namespace host {

inline constexpr const char* kPluginModuleName = "aggregate.dll";

class Plugin {
 public:
  explicit Plugin(const std::filesystem::path& sharedObject);  // throws HostError
  ~Plugin();
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  TLExportProc find(const std::string& exportName) const;     // nullptr when the plug-in lacks it
  TLExportProc require(const std::string& exportName) const;  // throws HostError when it lacks it
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  void* handle_;
};

}  // namespace host
