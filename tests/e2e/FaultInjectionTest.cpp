// Every command on the demo project with each of its host calls failing in turn: the host survives,
// the export returns its usual result, BusyFlag is free for the next command, the selection stays,
// the change list stays a dBase table, and an outcome that differs from the undisturbed one is
// told to the user. Leaks show under the sanitize preset.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ChangeList.h"
#include "ConsoleRedirect.h"
#include "Host.h"
#include "TempDir.h"

namespace {

// Which failures must be told when they change the outcome; what breaks beyond that is listed for
// the command's owners.
enum class Promise {
  Listed,  // nothing asserted yet
  Writes,  // a write or delete the host refused, or an object it would not activate; a failed read
           // gives a neutral value (empty text, -1) by design
  Every,   // every failing call
};

bool isWrite(const std::string& call) {
  return call == "tlAppendRecord" || call == "tlPostRecord" || call == "tlSetValueByName" ||
         call == "tlSetValueByNameEx" || call == "tlSetValueByPKEY" || call == "tlDeleteRecord" ||
         call == "tlSetActiveObject";
}

struct Command {
  std::string name;
  Promise promise;
  std::function<void(host::Host&)> prepare;  // selection and active object, before any call is counted
  std::function<void(host::Host&)> act;      // as the user triggers it
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

const std::vector<Command>& commands() {
  static const std::vector<Command> all = {
      {"BTToGB", Promise::Listed, selecting({"BT-001", "BT-002", "GB-001"}), exporting("BTToGB")},
      {"GBToBK", Promise::Listed, selecting({"GB-001", "GB-002", "BK-001"}), exporting("GBToBK")},
      {"BTToBK", Promise::Listed, selecting({"BT-003", "BK-001"}), exporting("BTToBK")},
      {"BTToFSN", Promise::Listed, selecting({"BT-004", "FSN-001"}), exporting("BTToFSN")},
      {"BT_FT_FPToMAS", Promise::Writes, selecting({"MAS-01", "MAS-02", "MAS-03", "FT-01"}),
       exporting("BT_FT_FPToMAS")},
      {"BerechneBTFlaechen", Promise::Every, activating("GB-002"), exporting("BerechneBTFlaechen")},
      {"deleteObject", Promise::Writes, activating("GB-001"),
       [](host::Host& host) {
         testsupport::StdinFeed answer("29\n");
         runExport(host, "deleteObject");
       }},
      {"FlaechenanteilChanged", Promise::Every, selecting({}), editing("GB-002", 31, "Flaechenanteil", "50")},
      {"FlaecheAbsolutChanged", Promise::Every, selecting({}), editing("GB-002", 30, "FLAECHE", "2")},
      {"SetFFHFlag", Promise::Every, selecting({}), editing("GB-001", 29, "Oekotyp", "9110")},
      {"SetP62Flag", Promise::Every, selecting({}), editing("GB-001", 29, "P62_Typ", "30")},
  };
  return all;
}

// Rows of every object and the change list, as one text to compare.
std::string projectState(const host::Host& host) {
  std::ostringstream state;
  for (const host::ObjectSummary& object : host.objects()) {
    if (object.temporary) continue;
    for (const std::string& table : host.tableNames()) {
      for (const host::Row& row : host.rows(object.kennung, table)) {
        state << object.kennung << ' ' << table << ' ' << row.key;
        for (const auto& [field, value] : row.fields)
          state << ' ' << field << '=' << value.value_or("<NULL>");
        state << '\n';
      }
    }
  }
  for (const host::ChangeListEntry& entry : host::readChangeList(host.changeListPath()))
    state << "TA_LIST " << entry.kennung << ' ' << entry.changed << '\n';
  return state.str();
}

bool toldTheUser(const std::string& trace) {
  return trace.find("[Fehler]") != std::string::npos || trace.find("[Warnung]") != std::string::npos ||
         trace.find("[Meldung]") != std::string::npos;
}

class FaultInjection : public ::testing::Test {
 protected:
  struct Outcome {
    std::string state;
    std::string trace;
    std::int64_t calls = 0;
    std::string failed;  // the call made to fail
    bool selectionKept = true;
  };

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
    expectBusyFlagFree();
    std::filesystem::remove_all(dir);
    return outcome;
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

TEST_F(FaultInjection, EveryCommandSurvivesEachOfItsHostCallsFailing) {
  std::int64_t runs = 0;
  std::vector<std::string> silent;
  std::vector<std::string> listed;
  for (const Command& command : commands()) {
    SCOPED_TRACE(command.name);
    const Outcome undisturbed = runOnce(command, 0);
    ASSERT_GT(undisturbed.calls, 0);
    for (std::int64_t n = 1; n <= undisturbed.calls; ++n) {
      SCOPED_TRACE("call " + std::to_string(n));
      const Outcome disturbed = runOnce(command, n);
      ++runs;
      const std::string which = command.name + " #" + std::to_string(n) + " " + disturbed.failed;
      const bool promised = command.promise == Promise::Every ||
                            (command.promise == Promise::Writes && isWrite(disturbed.failed));
      if (disturbed.state != undisturbed.state && !toldTheUser(disturbed.trace))
        (promised ? silent : listed).push_back(which + ": outcome changed silently");
      if (!disturbed.selectionKept)
        (command.promise != Promise::Listed ? silent : listed).push_back(which + ": selection lost");
    }
  }
  RecordProperty("runs", static_cast<int>(runs));
  std::cout << "[fault injection] " << commands().size() << " commands, " << runs << " runs\n";
  for (const std::string& entry : listed) std::cout << "[fault injection] " << entry << '\n';
  std::ostringstream list;
  for (const std::string& entry : silent) list << entry << '\n';
  EXPECT_TRUE(silent.empty()) << silent.size() << " failures broke a promise:\n" << list.str();
}

}  // namespace
