// Opening and saving a project of 20,000 and 200,000 BT objects (host::LargeProject): the time to
// load objects and rows, the heap the open project takes, and the time to write objects.geojson.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "LargeProject.h"
#include "ObjectsFile.h"
#include "Session.h"

namespace {

const std::filesystem::path& projectOf(std::int32_t btObjects) {
  static std::map<std::int32_t, std::filesystem::path> written;
  auto it = written.find(btObjects);
  if (it != written.end()) return it->second;
  const auto dir = std::filesystem::temp_directory_path() /
                   ("aggregate-files-bench-" + std::to_string(getpid()) + "-" + std::to_string(btObjects));
  std::filesystem::remove_all(dir);
  host::ProjectBuilder project;
  host::LargeProject::plan(project, btObjects);
  project.write(dir);
  return written.emplace(btObjects, dir).first->second;
}

// Heap in use, which unlike the resident size does not hide memory freed and taken again.
double heapMegabytes() { return static_cast<double>(mallinfo2().uordblks) / 1e6; }

void OpenProject(benchmark::State& state) {
  const auto& dir = projectOf(static_cast<std::int32_t>(state.range(0)));
  double grown = 0;
  for (auto _ : state) {
    const double before = heapMegabytes();
    host::Session session;
    session.open(dir);
    grown = heapMegabytes() - before;
    benchmark::DoNotOptimize(session.project().objects.all().size());
  }
  state.counters["heap_mb"] = grown;
}

void SaveObjects(benchmark::State& state) {
  const auto& dir = projectOf(static_cast<std::int32_t>(state.range(0)));
  host::Session session;
  session.open(dir);
  for (auto _ : state) host::saveObjects(dir / "saved.geojson", session.project().objects);
}

BENCHMARK(OpenProject)
    ->ArgName("bt_objects")
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kSecond)
    ->Iterations(2);
BENCHMARK(SaveObjects)
    ->ArgName("bt_objects")
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kSecond)
    ->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (std::int32_t size : {20000, 200000}) std::filesystem::remove_all(projectOf(size));
  return 0;
}
