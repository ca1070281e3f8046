// BT_FT_FPToMAS over 1,000 measures with 20,000 BT objects (20 on each, one with two rows) and
// three find sites per measure, through the simulated host; reports the time per measure.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "ClassCodes.h"
#include "Host.h"
#include "ProjectBuilder.h"

namespace {

constexpr int kMeasures = 1000;
constexpr int kBiotopTypesPerMeasure = 20;

// Standard error goes to /dev/null while it lives: the console face traces every label.
class QuietStderr {
 public:
  QuietStderr() : saved_(dup(2)) {
    const int null = ::open("/dev/null", O_WRONLY);
    dup2(null, 2);
    close(null);
  }
  ~QuietStderr() {
    dup2(saved_, 2);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

// Measures of 100 m x 100 m on a grid, each tiled by 4 x 5 BT objects of 25 m x 20 m.
std::vector<std::string> buildProject(const std::filesystem::path& dir) {
  host::ProjectBuilder project;
  std::vector<std::string> measures;
  std::int32_t nextId = 1;
  for (int m = 0; m < kMeasures; ++m) {
    const double x0 = (m % 40) * 200.0;
    const double y0 = (m / 40) * 200.0;
    measures.push_back("MAS-" + std::to_string(m));
    const std::int32_t measure = nextId++;
    project.addRectangle(measure, measures.back(), host::kClassMAS, x0, y0, x0 + 100, y0 + 100);
    project.addRow("BtypHtyp", measure, std::nullopt, {{"Biotoptyp", "ALT"}});
    for (int b = 0; b < kBiotopTypesPerMeasure; ++b) {
      const double bx = x0 + (b % 4) * 25.0;
      const double by = y0 + (b / 4) * 20.0;
      const std::int32_t id = nextId++;
      project.addRectangle(id, "BT-" + std::to_string(id), host::kClassBT, bx, by, bx + 25, by + 20);
      project.addRow("BtypHtyp", id, std::nullopt,
                     {{"Biotoptyp", b % 3 == 0 ? "xGMF" : "WBA"}, {"Oekotyp", "9110"}, {"P62_Typ", ""}});
      if (b == 0) project.addRow("BtypHtyp", id, std::nullopt, {{"Biotoptyp", "NSS"}});
    }
    for (int f = 0; f < 3; ++f) {
      const std::int32_t id = nextId++;
      const bool plant = f == 2;
      project.addObject(id, "F-" + std::to_string(id), plant ? host::kClassFP : host::kClassFT,
                        "POINT(" + std::to_string(x0 + 10 + 30 * f) + " " + std::to_string(y0 + 50) + ")");
      for (const char* name : {"Lacerta agilis", "Bufo bufo", "Arnica montana"})
        project.addRow(plant ? "Pflanzenliste" : "Tierliste", id, std::nullopt,
                       {{plant ? "Pflanzenart" : "Tierart", name}});
    }
  }
  project.write(dir);
  return measures;
}

void MeasureRun(benchmark::State& state) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("aggregate-measures-bench-" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  const std::vector<std::string> measures = buildProject(dir);
  host::Host tolvar(dir);
  tolvar.loadPlugin(AGGREGATE_PLUGIN_PATH);
  for (auto _ : state) {
    tolvar.select(measures);
    const QuietStderr quiet;
    benchmark::DoNotOptimize(tolvar.runExport("BT_FT_FPToMAS"));
  }
  state.counters["measures"] = kMeasures;
  state.counters["per_measure"] = benchmark::Counter(
      kMeasures, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  std::filesystem::remove_all(dir);
}

BENCHMARK(MeasureRun)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
