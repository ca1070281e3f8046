// BTToGB into one GB object through the simulated host, reporting the time of one run, the host
// calls per source row and the time per source row inside host calls and outside them (the
// plug-in's own share).
// - BTToGB: 1,000 selected BT objects with 5 biotope-type rows each (every row with an additional
//   code and a vegetation type with one layer, two plants and one animal), merging into 5 rows.
// - BTToGBDistinct: 400 BT objects whose 5 rows each have their own biotope type, so the target
//   ends with 2,000 distinct rows.
// - BTToGBWithoutRows: many BT objects without rows; the run changes the active object for each.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "ClassCodes.h"
#include "HostCallClock.h"
#include "ProjectBuilder.h"
#include "QuietStderr.h"

namespace {

struct Shape {
  int sources;
  int rowsPerSource;
  bool distinctTypes;
};

void addSourceRows(host::ProjectBuilder& project, std::int32_t id, const Shape& shape) {
  for (int row = 0; row < shape.rowsPerSource; ++row) {
    const std::string type = shape.distinctTypes ? "B" + std::to_string(id * shape.rowsPerSource + row)
                                                 : "WQ" + std::to_string(row);
    const auto btyp = project.addRow("BtypHtyp", id, std::nullopt, {{"Biotoptyp", type}, {"Oekotyp", "x"}});
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

std::filesystem::path writeProject(const Shape& shape) {
  std::string pattern = (std::filesystem::temp_directory_path() / "transfer-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
  host::ProjectBuilder project;
  for (std::int32_t id = 1; id <= shape.sources; ++id) {
    project.addRectangle(id, "BT" + std::to_string(id), host::kClassBT, 0, 0, 100, 100 + id % 7);
    addSourceRows(project, id, shape);
  }
  project.addRectangle(shape.sources + 1, "GB1", host::kClassGB, 0, 0, 100, 100);
  project.write(std::filesystem::path(pattern) / "projekt");
  return std::filesystem::path(pattern);
}

void runTransfer(benchmark::State& state, const Shape& shape) {
  const std::filesystem::path dir = writeProject(shape);
  {
    host::Host tolvar(dir / "projekt");
    tolvar.loadPlugin(AGGREGATE_PLUGIN_PATH);
    std::vector<std::string> selection;
    for (int id = 1; id <= shape.sources; ++id) selection.push_back("BT" + std::to_string(id));
    selection.push_back("GB1");
    tolvar.select(selection);

    bench::HostCallClock clock(tolvar);
    for (auto _ : state) {
      clock.start();
      const auto started = std::chrono::steady_clock::now();
      {
        const bench::QuietStderr quiet;
        benchmark::DoNotOptimize(tolvar.runExport("BTToGB"));
      }
      clock.stop(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    const int rows = shape.sources * shape.rowsPerSource;
    if (rows > 0) clock.report(state, "source_row", rows);
    state.counters["source_rows"] = rows;
  }
  std::filesystem::remove_all(dir);
}

void BTToGB(benchmark::State& state) { runTransfer(state, {1000, 5, false}); }
void BTToGBDistinct(benchmark::State& state) { runTransfer(state, {400, 5, true}); }
void BTToGBWithoutRows(benchmark::State& state) {
  runTransfer(state, {static_cast<int>(state.range(0)), 0, false});
}

BENCHMARK(BTToGB)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BTToGBDistinct)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BTToGBWithoutRows)
    ->ArgName("bt_objects")
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
