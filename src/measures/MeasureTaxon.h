#pragma once
#include <memory>
#include <string>
#include <vector>

namespace aggregate {

// One species recorded on an FT or FP object lying on a measure.
struct MeasureTaxon {
  bool isDuplicate = false;  // an earlier entry has the same name and kind
  std::string name;          // Windows-1252
  bool isPlant = false;      // from an FP object; otherwise an animal from an FT object
};

using MeasureTaxonList = std::vector<std::unique_ptr<MeasureTaxon>>;

}  // namespace aggregate
