#pragma once
#include <memory>
#include <string>
#include <vector>

namespace aggregate {

// One species (Art) recorded on a find site (Fundort: an FT or FP object) lying on a Massnahme.
struct MassnahmeArt {
  std::string name;
  bool isPflanze = false;    // from an FP object; otherwise an animal from an FT object
  bool isDuplicate = false;  // an earlier entry has the same name and kind
};

using MassnahmeArten = std::vector<std::unique_ptr<MassnahmeArt>>;

}  // namespace aggregate
