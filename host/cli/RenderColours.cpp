#include "RenderColours.h"

#include <array>
#include <cstdint>

namespace tolvar {

namespace {

constexpr std::array<Rgb, 12> kPalette = {{
    {0.55, 0.78, 0.47},  // green
    {0.98, 0.80, 0.42},  // ochre
    {0.55, 0.72, 0.90},  // blue
    {0.93, 0.58, 0.52},  // red
    {0.74, 0.62, 0.86},  // violet
    {0.55, 0.85, 0.82},  // teal
    {0.96, 0.68, 0.38},  // orange
    {0.80, 0.85, 0.45},  // lime
    {0.90, 0.64, 0.80},  // pink
    {0.66, 0.78, 0.66},  // sage
    {0.82, 0.72, 0.58},  // sand
    {0.60, 0.66, 0.80},  // slate
}};

std::string mainCode(const std::string& codes) {
  std::string code = codes.substr(0, codes.find('/'));
  if (!code.empty() && (code[0] == 'x' || code[0] == 'y' || code[0] == 'z')) code.erase(0, 1);
  return code;
}

}  // namespace

Rgb biotopColour(const std::string& codes) {
  std::uint32_t hash = 2166136261u;  // FNV-1a: the same code gets the same colour in every picture
  for (const char c : mainCode(codes)) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return kPalette[hash % kPalette.size()];
}

}  // namespace tolvar
