// Colours of the picture: one fill per biotope-type code, the same for a code written with a
// leading x, y or z (the aggregation merges them).
#pragma once

#include <string>

namespace tolvar {

struct Rgb {
  double red = 0;
  double green = 0;
  double blue = 0;
};

// The colour of the first code of a "/"-joined list.
Rgb biotopColour(const std::string& codes);

inline constexpr Rgb kBackground{1, 1, 1};
inline constexpr Rgb kAnimalSite{0.75, 0.15, 0.1};
inline constexpr Rgb kPlantSite{0.1, 0.45, 0.15};

}  // namespace tolvar
