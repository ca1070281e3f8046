// The plug-in's exports as `run` and `edit` reach them, each with one line for the help.
#pragma once

#include <string>
#include <vector>

namespace tolvar {

struct PluginFunction {
  std::string name;
  std::string description;  // German, one line
};

const std::vector<PluginFunction>& pluginFunctions();
std::vector<std::string> pluginFunctionNames();

}  // namespace tolvar
