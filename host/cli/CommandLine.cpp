#include "CommandLine.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "ClosestName.h"
#include "GeoPackageExport.h"
#include "GisImporter.h"
#include "PluginFunctions.h"
#include "RenderPainter.h"
#include "ReportCommand.h"
#include "UnnamedResults.h"

namespace tolvar {

namespace {

struct CommandEntry {
  std::string name;
  std::size_t minArgs;
  std::size_t maxArgs;
  const char* synopsis;
  const char* description;
};

constexpr std::size_t kMany = 1000000;

// In the order the help lists them.
const std::vector<CommandEntry>& commandTable() {
  static const std::vector<CommandEntry> entries = {
      {"objects", 0, 0, "objects", "alle Objekte: ID, Kennung, Klasse, Geometrie, Fläche in ha"},
      {"tree", 1, 1, "tree <Kennung>", "die Attributzeilen des Objekts als Baum"},
      {"select", 0, kMany, "select [<Kennung>...]", "die Auswahl ersetzen (ohne Kennung: leeren)"},
      {"selection", 0, 0, "selection", "die Auswahl auflisten"},
      {"active", 1, 1, "active <Kennung>", "das Objekt zum aktiven Objekt machen"},
      {"run", 1, 1, "run <Funktion>", "eine Funktion des Plug-ins aufrufen (Liste unten)"},
      {"edit", 5, 5, "edit <Kennung> <Tabelle> <PKey> <Feld> <Wert>",
       "ein Feld bearbeiten wie ein Benutzer (das Feldereignis läuft)"},
      {"notify-own-writes", 1, 1, "notify-own-writes on|off",
       "Feldereignisse auch bei Schreibvorgängen des Plug-ins"},
      {"changelist", 0, 0, "changelist", "die Änderungsliste TA_LIST.DBF auflisten"},
      {"changelist-create", 0, kMany, "changelist-create [--force] [<Kennung> <Zustand>]...",
       "TA_LIST.DBF mit diesen Einträgen anlegen; eine vorhandene nur mit --force ersetzen"},
      {"calls", 0, 0, "calls", "die bisher gezählten Aufrufe der Programmschnittstelle"},
      {"render", 2, 2, "render <Kennung> <Datei.svg|Datei.png>",
       "Bild des Objekts mit allem, was darauf liegt, und seinen aggregierten Zeilen"},
      {"import", 5, 7, "import <Quelle> --class BT|GB|BK|FSN|MAS|FT|FP --kennung <Feld> [--layer <Name>]",
       "die Objekte einer GIS-Datei (Shapefile, GeoPackage, …) als Objekte einer Klasse übernehmen"},
      {"report", 1, kMany, "report [--balance] <Datei.csv> [<Kennung>...]",
       "Biotoptypen und Arten der Maßnahmen als Tabelle (--balance: Flächenbilanz von BK, GB, FSN)"},
      {"export", 1, 3, "export <Datei.gpkg> [--srs <Code>]",
       "Maßnahmen, BT-Teilflächen und Fundorte als GeoPackage für QGIS"},
  };
  return entries;
}

const CommandEntry* entryOf(const std::string& name) {
  for (const CommandEntry& entry : commandTable())
    if (entry.name == name) return &entry;
  return nullptr;
}

std::vector<std::string> commandNames() {
  std::vector<std::string> names = {"help"};
  for (const CommandEntry& entry : commandTable()) names.push_back(entry.name);
  return names;
}

const std::vector<std::string> kOptions = {"--plugin", "--fail-call", "--unnamed-results", "--help",
                                           "--version"};
// Options of single commands; they stay with the command's arguments.
const std::vector<std::string> kCommandOptions = {"--force", "--class",   "--kennung",
                                                  "--layer", "--balance", "--srs"};

bool isCommandOption(const std::string& arg) {
  return std::find(kCommandOptions.begin(), kCommandOptions.end(), arg) != kCommandOptions.end();
}

void appendRow(std::ostringstream& text, const std::string& left, const std::string& right) {
  constexpr std::size_t kColumn = 24;
  text << "  " << left;
  if (left.size() + 2 < kColumn) {
    text << std::string(kColumn - 2 - left.size(), ' ');
  } else {
    text << "\n" << std::string(kColumn, ' ');
  }
  text << right << "\n";
}

bool isInteger(const std::string& text, std::int64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

void check(const Command& command) {
  const CommandEntry* entry = entryOf(command.name);
  if (entry == nullptr) {
    throw UsageError("unbekannter Befehl '" + command.name + "'" + didYouMean(command.name, commandNames()));
  }
  std::size_t count = command.args.size();
  if (command.name == "changelist-create" && count > 0 && command.args[0] == "--force") --count;
  if (count < entry->minArgs || count > entry->maxArgs) {
    throw UsageError("falsche Zahl von Angaben für '" + command.name + "': " + entry->synopsis);
  }
  std::int64_t key = 0;
  if (command.name == "edit" && !isInteger(command.args[2], key)) {
    throw UsageError("PKey '" + command.args[2] + "' ist keine ganze Zahl");
  }
  if (command.name == "notify-own-writes" && command.args[0] != "on" && command.args[0] != "off") {
    throw UsageError("notify-own-writes erwartet on oder off");
  }
  if (command.name == "render" && !pictureFormatOf(command.args[1])) {
    throw UsageError("render schreibt eine .svg- oder .png-Datei, nicht " + command.args[1]);
  }
  if (command.name == "import") parseImportOptions(command.args);
  if (command.name == "report") parseReportOptions(command.args);
  if (command.name == "export") parseExportOptions(command.args);
  if (command.name == "changelist-create" && count % 2 != 0) {
    throw UsageError("changelist-create erwartet Paare aus Kennung und Zustand");
  }
}

}  // namespace

std::string usageText() {
  std::ostringstream text;
  text << "Aufruf: tolvar <Projektordner> [--plugin PFAD] [--fail-call N] <Befehl> [Angaben]"
          " [, <Befehl> [Angaben]]...\n"
          "        tolvar help | --help | -h | --version\n\n"
          "Führt die Befehle des Plug-ins aggregate.so auf einem Projektordner aus, wie Tolvar sie aufruft.\n"
          "Die Befehle laufen nacheinander in einer Sitzung (Auswahl und aktives Objekt bleiben);\n"
          "ein alleinstehendes Komma trennt sie. Die ganze Zeile wird geprüft, bevor etwas läuft.\n\n"
          "Befehle:\n";
  for (const CommandEntry& entry : commandTable()) appendRow(text, entry.synopsis, entry.description);
  text << "\nFunktionen des Plug-ins (run <Funktion>):\n";
  for (const PluginFunction& function : pluginFunctions())
    appendRow(text, function.name, function.description);
  text << "\nOptionen:\n";
  appendRow(text, "--plugin PFAD", "dieses Plug-in laden statt aggregate.so neben dem Programm");
  appendRow(text, "--fail-call N", "der N-te Aufruf der Programmschnittstelle schlägt fehl (Fehlertest)");
  appendRow(text, "--unnamed-results natural|zero|one|random[:SEED]",
            "die Ergebnisse, die der Vertrag offenlässt, beantworten, wie es ein anderer Host dürfte\n" +
                std::string(24, ' ') + "(ohne die Option: TOLVAR_UNNAMED_RESULTS, sonst natural)");
  appendRow(text, "--version", "die Version zeigen");
  text << "\nExit-Code:\n";
  appendRow(text, "0", "alle Befehle liefen, und kein Fehlerfenster erschien");
  appendRow(text, "1", "ein Fehlerfenster erschien, ein Befehl wurde abgebrochen (Strg+C), oder Tolvar");
  appendRow(text, "", "konnte nicht tun, was verlangt war (ein Schreibvorgang, den es nicht speichern");
  appendRow(text, "", "konnte, ein schreibgeschütztes Projekt, ein abgelehnter Import, eine unbekannte");
  appendRow(text, "", "Kennung); die übrigen Befehle der Zeile laufen nach einem Fehlerfenster weiter");
  appendRow(text, "2", "die Befehlszeile ist fehlerhaft; nichts lief");
  return text.str();
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h" || (rest.empty() && arg == "help")) {
      line.help = true;
      return line;
    }
    if (arg == "--version") {
      line.version = true;
      return line;
    }
    if (arg == "--plugin") {
      if (i + 1 == args.size()) throw UsageError("--plugin braucht einen Pfad");
      line.plugin = args[++i];
    } else if (arg == "--fail-call") {
      if (i + 1 == args.size() || !isInteger(args[i + 1], line.failCall) || line.failCall < 1)
        throw UsageError("--fail-call erwartet eine Zahl ab 1");
      ++i;
    } else if (arg == "--unnamed-results") {
      if (i + 1 == args.size()) throw UsageError("--unnamed-results braucht eine Art");
      line.unnamedResults = host::parseUnnamedResults(args[++i]);
      if (!line.unnamedResults)
        throw UsageError("--unnamed-results erwartet natural, zero, one oder random[:SEED]");
    } else if (arg.rfind("--", 0) == 0 && !isCommandOption(arg)) {
      throw UsageError("unbekannte Option '" + arg + "'" + didYouMean(arg, kOptions));
    } else {
      rest.push_back(arg);
    }
  }
  if (rest.empty()) throw UsageError("kein Projektordner angegeben");
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
  if (line.commands.empty()) {
    const std::string hint =
        entryOf(line.projectDir.string()) != nullptr ? "; zuerst kommt der Projektordner" : "";
    throw UsageError("kein Befehl angegeben" + hint);
  }
  for (const Command& command : line.commands) check(command);
  return line;
}

}  // namespace tolvar
