// The .mdb project database on project_large.mdb (200,000 BtypHtyp rows, 10 per object, spread
// through the table): the first question on a table reads it once, every further one is
// answered from memory. The 23 MB file is not part of the repository; without it nothing runs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>

#include "platform/ProjectDatabase.h"

namespace {

// The shared fixtures lie next to the repository.
std::filesystem::path largeFixture() {
  const std::filesystem::path candidate =
      std::filesystem::path(AGGREGATE_SOURCE_DIR) / "../shared/fixtures/project_large.mdb";
  return std::filesystem::exists(candidate) ? candidate : std::filesystem::path();
}

std::unique_ptr<aggregate::platform::ProjectDatabase> connect(const std::filesystem::path& file) {
  return aggregate::platform::connectProjectDatabase(file.string());
}

// Connecting and the first question, which reads the table.
void FirstLookup(benchmark::State& state, const std::filesystem::path& file) {
  for (auto _ : state) {
    auto db = connect(file);
    benchmark::DoNotOptimize(db->keysOfObject("BtypHtyp", 15000));
  }
}

// One question per BT object, as a measure run over all 20,000 of them sends.
void Lookups(benchmark::State& state, const std::filesystem::path& file) {
  auto db = connect(file);
  db->keysOfObject("BtypHtyp", 1);
  int32_t objectId = 0;
  for (auto _ : state) {
    objectId = objectId % 20000 + 1;
    benchmark::DoNotOptimize(db->keysOfObject("BtypHtyp", objectId));
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::filesystem::path file = largeFixture();
  if (file.empty()) {
    std::cout << "project_large.mdb not found; nothing to measure\n";
    return 0;
  }
  benchmark::RegisterBenchmark("MdbFirstLookup", FirstLookup, file)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("MdbLookup", Lookups, file)->Unit(benchmark::kMicrosecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
