// Colours of the picture. A biotope type is coloured by its group, told by the first letter of its
// code (a leading x, y or z dropped, as the aggregation drops it):
//   woods and shrubs (W, B, H): greens      grassland and dry grassland (G, R): yellow-greens
//   waters and wetlands (F, S, N, M): blues  fields and horticulture (A, E): ochres
//   settlement and traffic (O, P, X): greys  everything else: violets
// Within one picture every code gets its own shade of its group's colour.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tolvar {

struct Rgb {
  double red = 0;
  double green = 0;
  double blue = 0;
};

enum class BiotopGroup { Woods, Grassland, Waters, Fields, Settlement, Others };

// The code a "/"-joined list of codes is coloured by: its first, without a leading x, y or z.
std::string colouredCode(const std::string& codes);
BiotopGroup groupOf(const std::string& code);

class BiotopColours {
 public:
  // Every code the picture shows, in the order they appear; repeats are fine.
  explicit BiotopColours(const std::vector<std::string>& codes);
  Rgb of(const std::string& codes) const;  // codes the constructor did not get take the group's colour

 private:
  std::map<std::string, Rgb> colours_;
};

inline constexpr Rgb kBackground{1, 1, 1};
inline constexpr Rgb kAnimalSite{0.75, 0.15, 0.1};
inline constexpr Rgb kPlantSite{0.1, 0.45, 0.15};

}  // namespace tolvar
