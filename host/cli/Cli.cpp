#include "Cli.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <iostream>

#include "CommandLine.h"
#include "GeoPackageExport.h"
#include "GisImporter.h"
#include "ImportProject.h"
#include "Printing.h"
#include "RenderPainter.h"
#include "RenderScene.h"
#include "ReportCommand.h"

namespace tolvar {

namespace {

class CommandRunner {
 public:
  CommandRunner(const CommandLine& line, std::ostream& out, std::ostream& err,
                const std::filesystem::path& defaultPlugin)
      : line_(line), out_(out), err_(err), defaultPlugin_(defaultPlugin), host_(line.projectDir) {
    host_.failCall(line.failCall);
    if (line.unnamedResults) {
      host::setUnnamedResults(*line.unnamedResults);
      // A run with arbitrary answers is repeated from the seed it names.
      if (line.unnamedResults->mode == host::UnnamedResultMode::Random)
        err << "tolvar: offene Ergebnisse zufällig (--unnamed-results "
            << host::describe(*line.unnamedResults) << ")\n";
    }
  }

  // The host could not do everything it was asked and has said so.
  bool hostFailed() const { return !host_.reportedFailures().empty(); }

  void run(const Command& command) {
    const auto& a = command.args;
    const std::string& name = command.name;
    if (name == "objects") {
      printObjects(out_, host_.objects());
    } else if (name == "tree") {
      printTree(out_, host_.tree(a[0]));
    } else if (name == "select") {
      host_.select(a);
    } else if (name == "selection") {
      for (const std::string& kennung : host_.selection()) out_ << kennung << "\n";
    } else if (name == "active") {
      host_.setActive(a[0]);
    } else if (name == "run") {
      runExport(a[0]);
    } else if (name == "edit") {
      if (host_.handlers().count(a[1] + "." + a[3]) != 0) ensurePlugin();
      out_ << host_.editField(a[0], a[1], std::stoll(a[2]), a[3], a[4]) << "\n";
    } else if (name == "notify-own-writes") {
      host_.setNotifyOwnWrites(a[0] == "on");
    } else if (name == "changelist") {
      printChangeList(out_, host::readChangeList(host_.changeListPath()));
    } else if (name == "changelist-create") {
      createChangeList(a);
    } else if (name == "render") {
      paintToFile(collectRenderScene(host_, a[0]), a[1]);
    } else if (name == "import") {
      out_ << GisImporter(host_, err_, stderrIsTerminal()).run(parseImportOptions(a)) << "\n";
    } else if (name == "report") {
      out_ << writeReport(host_, parseReportOptions(a)) << "\n";
    } else if (name == "export") {
      out_ << exportGeoPackage(host_, parseExportOptions(a)) << "\n";
    } else if (name == "calls") {
      for (const auto& [function, count] : host_.callCounts()) out_ << function << "\t" << count << "\n";
    }
  }

 private:
  const CommandLine& line_;
  std::ostream& out_;
  std::ostream& err_;
  std::filesystem::path defaultPlugin_;
  host::Host host_;

  bool stderrIsTerminal() const { return err_.rdbuf() == std::cerr.rdbuf() && isatty(STDERR_FILENO) == 1; }

  void ensurePlugin() {
    if (!host_.pluginLoaded()) host_.loadPlugin(line_.plugin.value_or(defaultPlugin_));
  }

  void runExport(const std::string& exportName) {
    ensurePlugin();
    host_.resetUpdateBrackets();
    std::int16_t result = 0;
    host_.atomically([&] {
      result = host_.runExport(exportName);
      if (host_.updateUnbalanced()) {
        throw host::HostError(exportName + " left tlBeginUpdate/tlEndUpdate unbalanced (depth " +
                              std::to_string(host_.updateDepth()) + ")");
      }
    });
    out_ << exportName << " returned " << result << "\n";
  }

  void createChangeList(const std::vector<std::string>& args) {
    std::vector<host::ChangeListEntry> entries;
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) entries.push_back({args[i], args[i + 1]});
    host::writeChangeList(host_.changeListPath(), entries);
  }
};

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& defaultPlugin) {
  CommandLine line;
  try {
    line = parseCommandLine(args);
  } catch (const UsageError& e) {
    err << "tolvar: " << e.what() << " (tolvar --help)\n";
    return 2;
  }
  if (line.help) {
    out << kUsage;
    return 0;
  }
  try {
    ImportProject madeForImport(line);
    CommandRunner runner(line, out, err, defaultPlugin);
    for (const Command& command : line.commands) {
      runner.run(command);
      madeForImport.keep();
    }
    if (runner.hostFailed()) return 1;
  } catch (const std::exception& e) {
    out.flush();
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');  // one line, whatever a library said
    err << "tolvar: " << message << "\n";
    return 1;
  }
  return 0;
}

std::filesystem::path defaultPluginPath() {
  std::array<char, 4096> self{};
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length > 0) {
    const std::filesystem::path besideProgram =
        std::filesystem::path(std::string(self.data(), static_cast<std::size_t>(length))).parent_path() /
        "aggregate.so";
    if (std::filesystem::exists(besideProgram)) return besideProgram;
  }
  return TOLVAR_BUILD_PLUGIN_PATH;
}

}  // namespace tolvar
