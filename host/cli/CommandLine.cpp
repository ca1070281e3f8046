#include "CommandLine.h"

#include <charconv>
#include <map>

#include "GeoPackageExport.h"
#include "GisImporter.h"
#include "RenderPainter.h"
#include "ReportCommand.h"
#include "UnnamedResults.h"

namespace tolvar {

const char* const kUsage =
    "usage: tolvar <project-dir> [--plugin PATH] [--fail-call N] <command> [args] [, <command> [args]]...\n"
    "commands:\n"
    "  objects                                   id, Kennung, class, geometry type, area in ha\n"
    "  tree <Kennung>                            the object's attribute rows as a tree\n"
    "  select [<Kennung>...]                     replace the selection (none: clear it)\n"
    "  selection                                 list the selection\n"
    "  active <Kennung>                          make the object the active object\n"
    "  run <export>                              call a plug-in export with (0, 0, 0)\n"
    "  edit <Kennung> <table> <PKey> <field> <value>\n"
    "                                            edit a field as a user would (handlers run)\n"
    "  notify-own-writes on|off                  handlers also answer the plug-in's own writes\n"
    "  changelist                                list TA_LIST.DBF\n"
    "  changelist-create [<Kennung> <state>]...  create TA_LIST.DBF with these entries\n"
    "  calls                                     host API calls counted so far\n"
    "  render <Kennung> <file.svg|file.png>      draw the object with what lies on it and its\n"
    "                                            aggregated rows\n"
    "  import <source> --class BT|GB|BK|FSN|MAS|FT|FP --kennung FIELD [--layer NAME]\n"
    "                                            add the features of a GIS file as objects\n"
    "  report [--balance] <file.csv> [<Kennung>...]\n"
    "                                            measures' biotope types and species (--balance:\n"
    "                                            area balance of BK/GB/FSN objects) as a table\n"
    "  export <file.gpkg> [--srs CODE]           measures, BT pieces and find sites as a GeoPackage\n"
    "The plug-in defaults to aggregate.so next to this program.\n"
    "--fail-call N makes the N-th host API call of the session fail as the host may let it fail.\n"
    "--unnamed-results natural|zero|one|random[:SEED] answers the results the contract leaves open\n"
    "  as another host may (default: TOLVAR_UNNAMED_RESULTS, else natural).\n";

namespace {

struct Arity {
  std::size_t min;
  std::size_t max;
};

const std::map<std::string, Arity>& arities() {
  constexpr std::size_t many = 1000000;
  static const std::map<std::string, Arity> table = {
      {"objects", {0, 0}},
      {"tree", {1, 1}},
      {"select", {0, many}},
      {"selection", {0, 0}},
      {"active", {1, 1}},
      {"run", {1, 1}},
      {"edit", {5, 5}},
      {"notify-own-writes", {1, 1}},
      {"changelist", {0, 0}},
      {"calls", {0, 0}},
      {"changelist-create", {0, many}},
      {"render", {2, 2}},
      {"import", {5, 7}},
      {"report", {1, many}},
      {"export", {1, 3}},
  };
  return table;
}

void check(const Command& command) {
  auto it = arities().find(command.name);
  if (it == arities().end()) throw UsageError("unknown command '" + command.name + "'");
  const std::size_t count = command.args.size();
  if (count < it->second.min || count > it->second.max) {
    throw UsageError("wrong number of arguments for '" + command.name + "'");
  }
  if (command.name == "edit") {
    const std::string& key = command.args[2];
    long long value = 0;
    auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), value);
    if (error != std::errc() || end != key.data() + key.size())
      throw UsageError("PKey '" + key + "' is no integer");
  }
  if (command.name == "notify-own-writes" && command.args[0] != "on" && command.args[0] != "off") {
    throw UsageError("notify-own-writes takes on or off");
  }
  if (command.name == "render" && !pictureFormatOf(command.args[1])) {
    throw UsageError("render writes a .svg or a .png file");
  }
  if (command.name == "import") parseImportOptions(command.args);
  if (command.name == "report") parseReportOptions(command.args);
  if (command.name == "export") parseExportOptions(command.args);
  if (command.name == "changelist-create" && count % 2 != 0) {
    throw UsageError("changelist-create takes pairs of Kennung and state");
  }
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      line.help = true;
      return line;
    }
    if (args[i] == "--plugin") {
      if (i + 1 == args.size()) throw UsageError("--plugin needs a path");
      line.plugin = args[++i];
    } else if (args[i] == "--fail-call") {
      if (i + 1 == args.size()) throw UsageError("--fail-call needs a number");
      const std::string& number = args[++i];
      auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), line.failCall);
      if (error != std::errc() || end != number.data() + number.size() || line.failCall < 1)
        throw UsageError("--fail-call takes a number from 1");
    } else if (args[i] == "--unnamed-results") {
      if (i + 1 == args.size()) throw UsageError("--unnamed-results needs a mode");
      line.unnamedResults = host::parseUnnamedResults(args[++i]);
      if (!line.unnamedResults)
        throw UsageError("--unnamed-results takes natural, zero, one or random[:SEED]");
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.empty()) throw UsageError("no project directory given");
  line.projectDir = rest.front();
  Command* current = nullptr;
  for (std::size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] == ",") {
      current = nullptr;
    } else if (current == nullptr) {
      current = &line.commands.emplace_back(Command{rest[i], {}});
    } else {
      current->args.push_back(rest[i]);
    }
  }
  if (line.commands.empty()) throw UsageError("no command given");
  for (const Command& command : line.commands) check(command);
  return line;
}

}  // namespace tolvar
