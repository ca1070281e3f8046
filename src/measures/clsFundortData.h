#pragma once
#include <memory>
#include <string>
#include <vector>

namespace aggregate {

// One species recorded on an FT or FP object lying on a measure.
struct TFundortDataSet {
  bool IsDoublette = false;  // an earlier data set has the same name and kind
  std::string ArtName;       // Windows-1252
  bool IsPflanze = false;    // from an FP object; otherwise an animal from an FT object
};

using TFundortDataSets = std::vector<std::unique_ptr<TFundortDataSet>>;

}  // namespace aggregate
