// BT_FT_FPToMAS over 1,000 measures (20 BT objects and three find sites each) in projects of 20,000
// and 200,000 BT objects, through the simulated host: time per measure, the share inside host calls
// and outside them (the plug-in's own), and host calls per measure.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "HostCallClock.h"
#include "LargeProject.h"
#include "QuietStderr.h"

namespace {

void MeasureRun(benchmark::State& state) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("aggregate-measures-bench-" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::vector<std::string> measures;
  {
    host::ProjectBuilder project;
    measures = host::LargeProject::plan(project, static_cast<std::int32_t>(state.range(0)));
    project.write(dir);
  }
  {
    host::Host tolvar(dir);
    tolvar.loadPlugin(AGGREGATE_PLUGIN_PATH);
    bench::HostCallClock clock(tolvar);
    for (auto _ : state) {
      tolvar.select(measures);
      clock.start();
      const auto started = std::chrono::steady_clock::now();
      {
        const bench::QuietStderr quiet;
        benchmark::DoNotOptimize(tolvar.runExport("BT_FT_FPToMAS"));
      }
      clock.stop(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    clock.report(state, "measure", host::LargeProject::kMeasures);
    state.counters["per_measure"] =
        benchmark::Counter(host::LargeProject::kMeasures,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  }
  std::filesystem::remove_all(dir);
}

BENCHMARK(MeasureRun)
    ->ArgName("bt_objects")
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
