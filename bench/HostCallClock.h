// What a benchmark run through the simulated host reports besides its time: the host calls the
// plug-in made and the time spent inside them, so the plug-in's own share shows.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <numeric>

#include "Host.h"

namespace bench {

class HostCallClock {
 public:
  explicit HostCallClock(host::Host& host) : host_(host) {}

  // Starts counting one run.
  void start() { host_.resetCallCounts(); }
  // Adds the run's calls and host time; runSeconds is the run's whole time.
  void stop(double runSeconds) {
    const auto counts = host_.callCounts();
    calls_ += std::accumulate(counts.begin(), counts.end(), std::int64_t{0},
                              [](std::int64_t sum, const auto& entry) { return sum + entry.second; });
    hostSeconds_ += host_.hostCallSeconds();
    runSeconds_ += runSeconds;
  }

  // Counters per unit (a measure, a source row): calls, and seconds inside and outside the host.
  void report(benchmark::State& state, const char* unit, double unitsPerRun) const {
    const double units = unitsPerRun * static_cast<double>(state.iterations());
    state.counters[std::string("host_calls_per_") + unit] = static_cast<double>(calls_) / units;
    state.counters[std::string("host_ms_per_") + unit] = hostSeconds_ * 1000 / units;
    state.counters[std::string("plugin_ms_per_") + unit] = (runSeconds_ - hostSeconds_) * 1000 / units;
  }

 private:
  host::Host& host_;
  std::int64_t calls_ = 0;
  double hostSeconds_ = 0;
  double runSeconds_ = 0;
};

}  // namespace bench
