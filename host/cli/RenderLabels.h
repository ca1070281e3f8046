// Where the picture's labels go: every biotope piece and find site gets its label where it overlaps
// no other label, no find site, neither map corner with the north arrow and the scale bar, and stays
// inside the map frame, preferably without crossing the object's outline or an edge between pieces.
// A label without room is moved, then shortened, then replaced by a number that the legend explains;
// a piece without room even for that stays unlabelled, and the legend counts it.
#pragma once

#include <string>
#include <vector>

#include "RenderLayout.h"
#include "RenderScene.h"

namespace tolvar {

enum class LabelKind { Biotop, AnimalSite, PlantSite, Key };

struct LabelLine {
  std::string text;
  double size = 13;
  bool bold = false;
  double baseline = 0;  // pixels
};

struct PlacedLabel {
  LabelKind kind = LabelKind::Biotop;
  std::vector<LabelLine> lines;
  PixelBox box;  // what it covers, halo included
  bool centred = false;
};

struct LabelPlan {
  std::vector<PlacedLabel> labels;
  std::vector<std::string> key;  // the text of number i + 1
  std::size_t unlabelled = 0;
};

inline constexpr std::size_t kLargestKey = 12;  // numbers the legend has room for

LabelPlan planLabels(const RenderScene& scene, const RenderLayout& layout);

// "3,00 ha · 50,0 %" in German notation whatever the process locale says.
std::string germanNumber(double value, int decimals);

}  // namespace tolvar
