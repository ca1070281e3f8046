// Every command on the demo project with each of its host calls failing in turn, against a host
// whose open results are its natural ones and against one whose open results are all 0. Whatever
// fails: the host survives, the export returns its usual result, BusyFlag is free for the next
// command, the change list stays a dBase table, the selection comes back, no object but the
// command's own target changes, and a transfer's target is never merged with itself. An object
// that cannot be made the active one is told to the user. Leaks show under the sanitize preset.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ChangeList.h"
#include "ConsoleRedirect.h"
#include "Host.h"
#include "ProjectDatabase.h"
#include "Sqlite.h"
#include "TempDir.h"
#include "UnnamedResults.h"

namespace {

struct Command {
  std::string name;
  std::set<std::string> changes;             // the objects the command may change: its targets
  std::function<void(host::Host&)> prepare;  // selection and active object, before any call is counted
  std::function<void(host::Host&)> act;      // as the user triggers it
  bool transfer = false;
};

void runExport(host::Host& host, const std::string& name) { EXPECT_EQ(host.runExport(name), -1) << name; }

std::function<void(host::Host&)> selecting(std::vector<std::string> kennungen) {
  return [kennungen](host::Host& host) { host.select(kennungen); };
}

std::function<void(host::Host&)> activating(std::string kennung) {
  return [kennung](host::Host& host) {
    host.select({});
    host.setActive(kennung);
  };
}

std::function<void(host::Host&)> editing(std::string kennung, int64_t key, std::string field,
                                         std::string value) {
  return [=](host::Host& host) { host.editField(kennung, "BtypHtyp", key, field, value); };
}

std::function<void(host::Host&)> exporting(std::string name) {
  return [name](host::Host& host) { runExport(host, name); };
}

Command transferCommand(const std::string& name, std::vector<std::string> selection) {
  return {name, {selection.back()}, selecting(selection), exporting(name), true};
}

const std::vector<Command>& commands() {
  static const std::vector<Command> all = {
      transferCommand("BTToGB", {"BT-001", "BT-002", "GB-001"}),
      transferCommand("GBToBK", {"GB-001", "GB-002", "BK-001"}),
      transferCommand("BTToBK", {"BT-003", "BK-001"}),
      transferCommand("BTToFSN", {"BT-004", "FSN-001"}),
      {"BT_FT_FPToMAS",
       {"MAS-01", "MAS-02", "MAS-03"},
       selecting({"MAS-01", "MAS-02", "MAS-03", "FT-01"}),
       exporting("BT_FT_FPToMAS")},
      {"BerechneBTFlaechen", {"GB-002"}, activating("GB-002"), exporting("BerechneBTFlaechen")},
      {"deleteObject",
       {"GB-001"},
       activating("GB-001"),
       [](host::Host& host) {
         testsupport::StdinFeed answer("29\n");
         runExport(host, "deleteObject");
       }},
      {"FlaechenanteilChanged", {"GB-002"}, selecting({}), editing("GB-002", 31, "Flaechenanteil", "50")},
      {"FlaecheAbsolutChanged", {"GB-002"}, selecting({}), editing("GB-002", 30, "FLAECHE", "2")},
      {"SetFFHFlag", {"GB-001"}, selecting({}), editing("GB-001", 29, "Oekotyp", "9110")},
      {"SetP62Flag", {"GB-001"}, selecting({}), editing("GB-001", 29, "P62_Typ", "30")},
  };
  return all;
}

// Each object's rows and change-list entries, as one text per Kennung.
using ProjectState = std::map<std::string, std::string>;

ProjectState projectState(const host::Host& host) {
  ProjectState state;
  for (const host::ObjectSummary& object : host.objects()) {
    if (object.temporary) continue;
    std::ostringstream rows;
    for (const std::string& table : host.tableNames()) {
      for (const host::Row& row : host.rows(object.kennung, table)) {
        rows << table << ' ' << row.key;
        for (const auto& [field, value] : row.fields) rows << ' ' << field << '=' << value.value_or("<NULL>");
        rows << '\n';
      }
    }
    state[object.kennung] = rows.str();
  }
  for (const host::ChangeListEntry& entry : host::readChangeList(host.changeListPath()))
    state[entry.kennung] += "TA_LIST " + entry.changed + '\n';
  return state;
}

// A row of the transfer's target that no source has: were the target read as a source, the row
// would find itself and its area would grow (or, the target's rows replaced, come back with another).
constexpr const char* kOwnRowCode = "NUR-IM-ZIEL";

void giveTargetItsOwnRow(host::Host& host, const std::filesystem::path& dir, const std::string& target) {
  host::SqliteDatabase database(dir / host::kDatabaseFileName, host::SqliteDatabase::Mode::OpenExisting);
  database.exec("INSERT INTO BtypHtyp (PKey, TOLVARID, Biotoptyp, FLAECHE) VALUES (9000, " +
                std::to_string(host.idOf(target)) + ", '" + kOwnRowCode + "', '1')");
  host.open(dir);
}

bool mergedWithItself(const host::Host& host, const std::string& target) {
  for (const host::Row& row : host.rows(target, "BtypHtyp")) {
    // An area that could not be read is written back empty.
    const std::string area = row.value("FLAECHE");
    if (row.value("Biotoptyp") == kOwnRowCode && area != "1" && !area.empty()) return true;
  }
  return false;
}

bool toldTheUser(const std::string& trace) {
  return trace.find("[Fehler]") != std::string::npos || trace.find("[Warnung]") != std::string::npos ||
         trace.find("[Meldung]") != std::string::npos;
}

class FaultInjection : public ::testing::TestWithParam<host::UnnamedResultMode> {
 protected:
  struct Outcome {
    ProjectState state;
    bool mergedWithItself = false;
    std::string trace;
    std::int64_t calls = 0;
    std::string failed;  // the call made to fail
    bool selectionKept = true;
  };

  void SetUp() override { host::setUnnamedResults({GetParam()}); }
  void TearDown() override { host::setUnnamedResults(host::unnamedResultsFromEnvironment()); }

  // The command on a fresh copy of the demo project, with call failAt failing (0: none).
  Outcome runOnce(const Command& command, std::int64_t failAt) {
    const auto dir = temp / (command.name + "-" + std::to_string(failAt));
    std::filesystem::copy(DEMO_PROJECT_DIR, dir, std::filesystem::copy_options::recursive);
    if (!host) {
      host = std::make_unique<host::Host>(dir);
      host->loadPlugin(AGGREGATE_PLUGIN_PATH);
    } else {
      host->open(dir);
    }
    if (command.transfer) giveTargetItsOwnRow(*host, dir, *command.changes.begin());
    command.prepare(*host);
    const auto selection = host->selection();
    host->resetCallCounts();
    host->failCall(failAt);
    Outcome outcome;
    {
      testsupport::StderrCapture capture;
      command.act(*host);
      outcome.trace = capture.text();
    }
    outcome.failed = host->failedCall();
    host->failCall(0);
    for (const auto& [function, count] : host->callCounts()) outcome.calls += count;
    // A selection call that fails cannot restore the selection it was to restore.
    outcome.selectionKept = host->selection() == selection || outcome.failed == "tlAddToSelection" ||
                            outcome.failed == "tlDeselectAll";
    EXPECT_NO_THROW(outcome.state = projectState(*host)) << "change list no longer a dBase table";
    if (command.transfer) outcome.mergedWithItself = mergedWithItself(*host, *command.changes.begin());
    expectBusyFlagFree();
    std::filesystem::remove_all(dir);
    return outcome;
  }

  ProjectState untouchedState(const Command& command) {
    const auto dir = temp / ("untouched-" + command.name);
    std::filesystem::copy(DEMO_PROJECT_DIR, dir, std::filesystem::copy_options::recursive);
    host->open(dir);
    if (command.transfer) giveTargetItsOwnRow(*host, dir, *command.changes.begin());
    return projectState(*host);
  }

  // The area balance only runs, and reads the first row, while BusyFlag is free.
  void expectBusyFlagFree() {
    host->select({});
    host->setActive("BK-001");
    host->resetCallCounts();
    testsupport::StderrCapture quiet;
    runExport(*host, "BerechneBTFlaechen");
    EXPECT_GT(host->callCount("tlTableFirst"), 0) << "BusyFlag left set";
  }

  testsupport::TempDir temp;
  std::unique_ptr<host::Host> host;
};

TEST_P(FaultInjection, EveryCommandSurvivesEachOfItsHostCallsFailing) {
  std::int64_t runs = 0;
  std::int64_t told = 0;
  std::int64_t unchanged = 0;
  std::vector<std::string> broken;
  std::vector<std::string> silent;
  for (const Command& command : commands()) {
    SCOPED_TRACE(command.name);
    const Outcome undisturbed = runOnce(command, 0);
    ASSERT_GT(undisturbed.calls, 0);
    const ProjectState before = untouchedState(command);
    for (std::int64_t n = 1; n <= undisturbed.calls; ++n) {
      const Outcome disturbed = runOnce(command, n);
      ++runs;
      const std::string which = command.name + " #" + std::to_string(n) + " " + disturbed.failed;
      for (const auto& [kennung, rows] : disturbed.state) {
        if (command.changes.count(kennung) == 0 && rows != before.at(kennung))
          broken.push_back(which + ": changed " + kennung);
      }
      if (disturbed.mergedWithItself) broken.push_back(which + ": target merged with itself");
      if (!disturbed.selectionKept) broken.push_back(which + ": selection lost");
      const bool same = disturbed.state == undisturbed.state;
      const bool toldIt = toldTheUser(disturbed.trace);
      told += toldIt ? 1 : 0;
      unchanged += same ? 1 : 0;
      const bool activation =
          disturbed.failed == "tlSetActiveObject" || disturbed.failed == "tlGetActiveGeoObject";
      if (!same && !toldIt) {
        (activation && (command.transfer || command.name == "BT_FT_FPToMAS") ? broken : silent)
            .push_back(which + ": outcome changed silently");
      }
    }
  }
  std::cout << "[fault injection] " << host::describe({GetParam()}) << ": " << commands().size()
            << " commands, " << runs << " runs: " << unchanged << " with the undisturbed outcome, " << told
            << " told to the user, " << silent.size()
            << " changed silently where a failed read gives its neutral value or a write's result is "
               "not looked at\n";
  for (const std::string& entry : silent) std::cout << "[fault injection] " << entry << '\n';
  std::ostringstream list;
  for (const std::string& entry : broken) list << entry << '\n';
  EXPECT_TRUE(broken.empty()) << broken.size() << " runs broke a promise:\n" << list.str();
}

INSTANTIATE_TEST_SUITE_P(OpenResults, FaultInjection,
                         ::testing::Values(host::UnnamedResultMode::Natural, host::UnnamedResultMode::Zero),
                         [](const auto& info) { return host::describe({info.param}); });

}  // namespace
