#include "HostConfig.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "Host.h"
#include "ReplaceFile.h"

namespace host {

HandlerMap defaultHandlers() {
  return {{"BtypHtyp.Flaechenanteil", "FlaechenanteilChanged"},
          {"BtypHtyp.FLAECHE", "FlaecheAbsolutChanged"},
          {"BtypHtyp.Oekotyp", "SetFFHFlag"},
          {"BtypHtyp.P62_Typ", "SetP62Flag"}};
}

HostConfig loadHostConfig(const std::filesystem::path& file) {
  HostConfig config{defaultHandlers(), false};
  if (!std::filesystem::exists(file)) return config;
  std::ifstream in(file);
  const auto malformed = [&](const std::string& why) {
    return HostError(file.filename().string() + " ist fehlerhaft: " + why);
  };
  try {
    const nlohmann::json json = nlohmann::json::parse(in);
    if (json.contains("handlers")) {
      if (!json.at("handlers").is_object()) throw malformed("\"handlers\" is no object");
      config.handlers.clear();
      for (const auto& [field, exportName] : json.at("handlers").items()) {
        if (field.find('.') == std::string::npos)
          throw malformed("der Schlüssel '" + field + "' hat nicht die Form Tabelle.Feld");
        config.handlers[field] = exportName.get<std::string>();
      }
    }
    config.notifyOwnWrites = json.value("notifyOwnWrites", false);
  } catch (const nlohmann::json::exception& e) {
    throw malformed(e.what());
  }
  return config;
}

void writeHostConfig(const std::filesystem::path& file, const HostConfig& config) {
  nlohmann::json handlers = nlohmann::json::object();
  for (const auto& [field, exportName] : config.handlers) handlers[field] = exportName;
  const nlohmann::json json = {{"handlers", handlers}, {"notifyOwnWrites", config.notifyOwnWrites}};
  replaceFile(file, json.dump(2) + "\n");
}

}  // namespace host
