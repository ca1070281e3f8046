// A project of real size for benchmarks and for trying tolvar at scale: 1,000 measures, each tiled
// by 20 BT objects (one with two biotope-type rows) and holding three find sites, and as many further
// BT objects with one row each, on a grid beside them, as make up the BT total.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ProjectBuilder.h"

namespace host {

struct LargeProject {
  static constexpr int kMeasures = 1000;
  static constexpr int kBiotoptypenPerMassnahme = 20;

  // Plans the project; btObjects below kMeasures * kBiotoptypenPerMassnahme still tiles every measure.
  // Returns the measures' Kennungen.
  static std::vector<std::string> plan(ProjectBuilder& project, std::int32_t btObjects);
};

}  // namespace host
