#include "Cli.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>

#include "ClosestName.h"
#include "CommandLine.h"
#include "GeoPackageExport.h"
#include "GisImporter.h"
#include "ImportProject.h"
#include "LoadingNotice.h"
#include "PluginFunctions.h"
#include "PluginTraceWatch.h"
#include "Printing.h"
#include "RenderPainter.h"
#include "RenderScene.h"
#include "ReportCommand.h"
#include "Session.h"

namespace tolvar {

namespace {

std::unique_ptr<host::Host> openProject(const std::filesystem::path& dir, std::ostream& err) {
  const LoadingNotice notice(err, dir);
  return std::make_unique<host::Host>(dir);
}

class CommandRunner {
 public:
  CommandRunner(const CommandLine& line, std::ostream& out, std::ostream& err,
                const std::filesystem::path& defaultPlugin)
      : line_(line),
        out_(out),
        err_(err),
        defaultPlugin_(defaultPlugin),
        host_(openProject(line.projectDir, err)) {
    host_->session().diagnostics = &err;
    host_->failCall(line.failCall);
    if (line.unnamedResults) {
      host::setUnnamedResults(*line.unnamedResults);
      // A run with arbitrary answers is repeated from the seed it names.
      if (line.unnamedResults->mode == host::UnnamedResultMode::Random)
        err << "tolvar: offene Ergebnisse zufällig (--unnamed-results "
            << host::describe(*line.unnamedResults) << ")\n";
    }
  }

  // Exports named by `run` that the plug-in lacks make the line malformed: nothing runs.
  void checkExports() {
    for (const Command& command : line_.commands) {
      if (command.name != "run") continue;
      ensurePlugin();
      if (host_->session().requirePlugin().find(command.args[0]) == nullptr) {
        throw UsageError("Das Plug-in hat keine Funktion '" + command.args[0] + "'" +
                         didYouMean(command.args[0], pluginFunctionNames()));
      }
    }
  }

  void run(const Command& command) {
    const auto& a = command.args;
    const std::string& name = command.name;
    if (name == "objects") {
      const auto objects = host_->objects();
      if (objects.empty()) err_ << "Das Projekt hat keine Objekte.\n";
      printObjects(out_, objects);
    } else if (name == "tree") {
      const auto tree = host_->tree(a[0]);
      if (tree.empty()) err_ << a[0] << " hat keine Attributzeilen.\n";
      printTree(out_, tree);
    } else if (name == "select") {
      host_->select(a);
    } else if (name == "selection") {
      const auto selection = host_->selection();
      if (selection.empty()) err_ << "Nichts ist ausgewählt.\n";
      for (const std::string& kennung : selection) out_ << kennung << "\n";
    } else if (name == "active") {
      host_->setActive(a[0]);
    } else if (name == "run") {
      runExport(a[0]);
    } else if (name == "edit") {
      edit(a);
    } else if (name == "notify-own-writes") {
      host_->setNotifyOwnWrites(a[0] == "on");
    } else if (name == "changelist") {
      const auto entries = host::readChangeList(host_->changeListPath());
      if (entries.empty()) err_ << "Die Änderungsliste ist leer.\n";
      printChangeList(out_, entries);
    } else if (name == "changelist-create") {
      createChangeList(a);
    } else if (name == "render") {
      paintToFile(collectRenderScene(*host_, a[0]), a[1]);
    } else if (name == "import") {
      out_ << GisImporter(*host_, err_, stderrIsTerminal()).run(parseImportOptions(a)) << "\n";
    } else if (name == "report") {
      out_ << writeReport(*host_, parseReportOptions(a)) << "\n";
    } else if (name == "export") {
      out_ << exportGeoPackage(*host_, parseExportOptions(a)) << "\n";
    } else if (name == "calls") {
      const auto& counts = host_->callCounts();
      if (counts.empty()) err_ << "Noch kein Aufruf der Programmschnittstelle.\n";
      for (const auto& [function, count] : counts) out_ << function << "\t" << count << "\n";
    }
  }

  // An error box, a cancel, or the host could not do everything it was asked and has said so.
  bool failed() const { return failed_ || !host_->reportedFailures().empty(); }

 private:
  const CommandLine& line_;
  std::ostream& out_;
  std::ostream& err_;
  std::filesystem::path defaultPlugin_;
  std::unique_ptr<host::Host> host_;
  bool failed_ = false;

  bool stderrIsTerminal() const { return err_.rdbuf() == std::cerr.rdbuf() && isatty(STDERR_FILENO) == 1; }

  void ensurePlugin() {
    if (!host_->pluginLoaded()) host_->loadPlugin(line_.plugin.value_or(defaultPlugin_));
  }

  // Plug-in code runs watched: an error box or a Ctrl-C makes the exit code 1.
  template <typename Body>
  void watched(Body&& body) {
    PluginTraceWatch watch;
    body();
    watch.finish();
    failed_ = failed_ || watch.errorShown() || watch.interrupted();
  }

  void runExport(const std::string& exportName) {
    ensurePlugin();
    host_->resetUpdateBrackets();
    std::int16_t result = 0;
    watched([&] {
      host_->atomically([&] {
        result = host_->runExport(exportName);
        if (host_->updateUnbalanced()) {
          throw host::HostError(exportName + " hat tlBeginUpdate/tlEndUpdate nicht ausgeglichen (Tiefe " +
                                std::to_string(host_->updateDepth()) + ")");
        }
      });
    });
    out_ << exportName << " gab " << result << " zurück\n";
  }

  void edit(const std::vector<std::string>& a) {
    const bool handled = host_->handlers().count(a[1] + "." + a[3]) != 0;
    if (handled) ensurePlugin();
    std::string stored;
    const auto store = [&] { stored = host_->editField(a[0], a[1], std::stoll(a[2]), a[3], a[4]); };
    if (handled) {
      watched(store);
    } else {
      store();
    }
    out_ << stored << "\n";
  }

  void createChangeList(std::vector<std::string> args) {
    const bool force = !args.empty() && args[0] == "--force";
    if (force) args.erase(args.begin());
    const auto file = host_->changeListPath();
    if (!force && std::filesystem::exists(file)) {
      throw host::HostError(file.string() + " gibt es schon; changelist-create --force ersetzt sie");
    }
    std::vector<host::ChangeListEntry> entries;
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) entries.push_back({args[i], args[i + 1]});
    host::writeChangeList(file, entries);
  }
};

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& defaultPlugin) {
  const auto oneLine = [&](const std::exception& e, const std::string& hint) {
    out.flush();
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');  // one line, whatever a library said
    err << "tolvar: " << message << hint << "\n";
  };
  CommandLine line;
  try {
    line = parseCommandLine(args);
  } catch (const UsageError& e) {
    oneLine(e, " (tolvar --help)");
    return kExitUsage;
  }
  if (line.help) {
    out << usageText();
    return kExitOk;
  }
  if (line.version) {
    out << "tolvar " << TOLVAR_VERSION << " (simulierter Tolvar-Host für aggregate.so)\n";
    return kExitOk;
  }
  try {
    ImportProject madeForImport(line);
    CommandRunner runner(line, out, err, defaultPlugin);
    try {
      runner.checkExports();
    } catch (const UsageError& e) {
      oneLine(e, " (tolvar --help)");
      return kExitUsage;
    }
    for (const Command& command : line.commands) {
      runner.run(command);
      madeForImport.keep();
    }
    return runner.failed() ? kExitFailed : kExitOk;
  } catch (const std::exception& e) {
    oneLine(e, "");
    return kExitFailed;
  }
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
