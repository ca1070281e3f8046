// BTToGB from 1,000 selected BT objects with 5 biotope-type rows each (every row with an
// additional code and a vegetation type with one layer, two plants and one animal) into one GB
// object, through the simulated host. Reports the time of one run and the host calls it makes
// per source row.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "ClassCodes.h"
#include "Host.h"
#include "ProjectBuilder.h"

namespace {

constexpr int kSources = 1000;
constexpr int kRowsPerSource = 5;
constexpr int32_t kTargetId = kSources + 1;

std::filesystem::path writeProject() {
  std::string pattern = (std::filesystem::temp_directory_path() / "transfer-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
  host::ProjectBuilder project;
  for (int32_t id = 1; id <= kSources; ++id) {
    project.addRectangle(id, "BT" + std::to_string(id), host::kClassBT, 0, 0, 100, 100 + id % 7);
    for (int row = 0; row < kRowsPerSource; ++row) {
      const auto btyp = project.addRow("BtypHtyp", id, std::nullopt,
                                       {{"Biotoptyp", "WQ" + std::to_string(row)}, {"Oekotyp", "x"}});
      project.addRow("Zusatzcodes", id, btyp, {{"Zusatzcode", "z" + std::to_string(id % 3)}});
      const auto veg = project.addRow("Vegetationstyp", id, btyp, {{"Vegetationstyp", "V"}});
      const auto layer = project.addRow("Schichtung", id, veg, {{"Schicht", "K"}});
      project.addRow("Pflanzenliste", id, layer, {{"Pflanzenart", "Carex"}, {"Anzahl_klass", "2"}});
      project.addRow(
          "Pflanzenliste", id, layer,
          {{"Pflanzenart", "Art" + std::to_string(id % 20)}, {"Anzahl_klass", std::to_string(id % 4)}});
      project.addRow("Tierliste", id, layer, {{"Tierart", "Tier" + std::to_string(id % 10)}});
    }
  }
  project.addRectangle(kTargetId, "GB1", host::kClassGB, 0, 0, 100, 100);
  project.write(std::filesystem::path(pattern) / "projekt");
  return std::filesystem::path(pattern);
}

// The progress trace of a thousand objects stays off the benchmark's output.
class QuietStderr {
 public:
  QuietStderr() : saved_(dup(STDERR_FILENO)) {
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDERR_FILENO);
    close(devNull);
  }
  ~QuietStderr() {
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

void BM_BTToGB(benchmark::State& state) {
  const std::filesystem::path dir = writeProject();
  {
    host::Host tolvar(dir / "projekt");
    tolvar.loadPlugin(AGGREGATE_PLUGIN_PATH);
    std::vector<std::string> selection;
    for (int id = 1; id <= kSources; ++id) selection.push_back("BT" + std::to_string(id));
    selection.push_back("GB1");
    tolvar.select(selection);

    int64_t calls = 0;
    for (auto _ : state) {
      tolvar.resetCallCounts();
      {
        QuietStderr quiet;
        benchmark::DoNotOptimize(tolvar.runExport("BTToGB"));
      }
      const auto counts = tolvar.callCounts();
      calls += std::accumulate(counts.begin(), counts.end(), int64_t{0},
                               [](int64_t sum, const auto& entry) { return sum + entry.second; });
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["host_calls_per_source_row"] =
        static_cast<double>(calls) / runs / (kSources * kRowsPerSource);
    state.counters["source_rows"] = kSources * kRowsPerSource;
  }
  std::filesystem::remove_all(dir);
}

BENCHMARK(BM_BTToGB)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
