// tolvar.json in the project directory:
//   {"handlers": {"Table.Field": "ExportName", ...}, "notifyOwnWrites": false}
// Without the file, or without "handlers", the four area and flag handlers are attached.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "TextCase.h"

namespace host {

inline constexpr const char* kConfigFileName = "tolvar.json";

using HandlerMap = std::map<std::string, std::string, CaseInsensitiveLess>;

struct HostConfig {
  HandlerMap handlers;
  bool notifyOwnWrites = false;
};

HandlerMap defaultHandlers();
HostConfig loadHostConfig(const std::filesystem::path& file);  // throws HostError when malformed
void writeHostConfig(const std::filesystem::path& file, const HostConfig& config);

}  // namespace host
