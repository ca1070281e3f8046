#include "RenderLabels.h"

#include <cairo.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <numeric>
#include <optional>

namespace tolvar {

namespace {

constexpr double kHalo = 2;
constexpr double kSiteRadius = 6;

// Text sizes as cairo will draw them, from a scratch surface.
class TextMeasure {
 public:
  TextMeasure()
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1), cairo_surface_destroy),
        cr_(cairo_create(surface_.get()), cairo_destroy) {}

  void font(double size, bool bold) {
    cairo_select_font_face(cr_.get(), kFontFamily, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_.get(), size);
  }
  double width(const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr_.get(), text.c_str(), &extents);
    return extents.x_advance;
  }
  cairo_font_extents_t extents() {
    cairo_font_extents_t extents;
    cairo_font_extents(cr_.get(), &extents);
    return extents;
  }

 private:
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
  std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr_;
};

// A block of lines with its size; `at` places its top-left corner.
struct Block {
  std::vector<LabelLine> lines;
  double width = 0;
  double height = 0;
  std::vector<double> offsets;  // of each baseline from the top

  PlacedLabel at(LabelKind kind, double left, double top, bool centred) const {
    PlacedLabel label{
        kind, lines, {left - kHalo, top - kHalo, width + 2 * kHalo, height + 2 * kHalo}, centred};
    for (std::size_t i = 0; i < lines.size(); ++i) label.lines[i].baseline = top + offsets[i];
    return label;
  }
};

Block blockOf(TextMeasure& measure, std::vector<LabelLine> lines) {
  Block block;
  for (const LabelLine& line : lines) {
    measure.font(line.size, line.bold);
    const cairo_font_extents_t extents = measure.extents();
    block.offsets.push_back(block.height + extents.ascent);
    block.height += extents.ascent + extents.descent;
    block.width = std::max(block.width, measure.width(line.text));
  }
  block.lines = std::move(lines);
  return block;
}

bool segmentCrossesBox(MapPoint a, MapPoint b, const PixelBox& box) {
  // Liang-Barsky: clip the segment to the box; it crosses when anything is left.
  double t0 = 0;
  double t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - box.left, box.right() - a.x, a.y - box.top, box.bottom() - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  return true;
}

using PixelRings = std::vector<std::vector<MapPoint>>;

PixelRings pixelRingsOf(const MapShape& shape, const RenderLayout& layout) {
  PixelRings rings;
  for (const MapPath& path : shape) {
    if (!path.closed) continue;
    auto& ring = rings.emplace_back();
    for (const MapPoint& point : path.points) ring.push_back(layout.toPixel(point));
  }
  return rings;
}

// Even-odd rule, as the pieces are filled.
bool contains(const PixelRings& rings, MapPoint p) {
  bool inside = false;
  for (const auto& ring : rings) {
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      if ((ring[i].y > p.y) != (ring[j].y > p.y) &&
          p.x < (ring[j].x - ring[i].x) * (p.y - ring[i].y) / (ring[j].y - ring[i].y) + ring[i].x)
        inside = !inside;
    }
  }
  return inside;
}

MapPoint centreOf(const PixelBox& box) { return {box.left + box.width / 2, box.top + box.height / 2}; }

class Placer {
 public:
  Placer(const RenderScene& scene, const RenderLayout& layout) : frame_(layout.mapFrame()) {
    taken_ = {layout.northArrow(), layout.scaleBar()};
    for (const FindSite& site : scene.sites) {
      const MapPoint at = layout.toPixel(site.at);
      taken_.push_back(
          {at.x - kSiteRadius - 1, at.y - kSiteRadius - 1, 2 * kSiteRadius + 2, 2 * kSiteRadius + 2});
    }
    const auto addLines = [&](const MapShape& shape, Lines& lines) {
      for (const MapPath& path : shape) {
        for (std::size_t i = 1; i < path.points.size(); ++i)
          lines.push_back({layout.toPixel(path.points[i - 1]), layout.toPixel(path.points[i])});
      }
    };
    addLines(scene.outline, outline_);
    for (const BiotopPiece& piece : scene.biotopes) addLines(piece.onObject, edges_);
  }

  // The first candidate that fits, or nothing. No label crosses the object's outline; a strict try
  // also keeps it off the edges between pieces and its centre on its own piece (`home`, in pixels).
  std::optional<PlacedLabel> place(const std::vector<PlacedLabel>& candidates, bool strict,
                                   const PixelRings& home) {
    for (const PlacedLabel& candidate : candidates) {
      if (!fits(candidate.box, strict)) continue;
      if (strict && !home.empty() && !contains(home, centreOf(candidate.box))) continue;
      taken_.push_back(candidate.box);
      return candidate;
    }
    return std::nullopt;
  }

 private:
  PixelBox frame_;
  std::vector<PixelBox> taken_;
  using Lines = std::vector<std::pair<MapPoint, MapPoint>>;
  Lines outline_;
  Lines edges_;  // of the pieces

  bool fits(const PixelBox& box, bool strict) const {
    if (!box.inside(frame_)) return false;
    for (const PixelBox& other : taken_)
      if (box.overlaps(other)) return false;
    const auto crosses = [&box](const Lines& lines) {
      return std::any_of(lines.begin(), lines.end(), [&box](const auto& line) {
        return segmentCrossesBox(line.first, line.second, box);
      });
    };
    return !crosses(outline_) && !(strict && crosses(edges_));
  }
};

// A centred block around the point, then moved ever further away from it, up to `rings` steps.
std::vector<PlacedLabel> around(const Block& block, LabelKind kind, MapPoint at, int rings) {
  std::vector<PlacedLabel> candidates;
  for (int ring = 0; ring <= rings; ++ring) {
    for (int dy = -ring; dy <= ring; ++dy) {
      for (int dx = -ring; dx <= ring; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
        const double left = at.x - block.width / 2 + dx * std::max(block.width / 2, 12.0);
        const double top = at.y - block.height / 2 + dy * std::max(block.height / 2, 8.0);
        candidates.push_back(block.at(kind, left, top, true));
      }
    }
  }
  return candidates;
}

// Beside a find site's mark: right, left, above, below, then shifted up and down.
std::vector<PlacedLabel> beside(const Block& block, LabelKind kind, MapPoint at) {
  const double gap = kSiteRadius + 4;
  std::vector<PlacedLabel> candidates;
  for (int shift = 0; shift <= 6; ++shift) {
    for (const int sign : {1, -1}) {
      if (shift == 0 && sign < 0) continue;
      const double dy = sign * shift * 10.0;
      candidates.push_back(block.at(kind, at.x + gap, at.y - block.height / 2 + dy, false));
      candidates.push_back(block.at(kind, at.x - gap - block.width, at.y - block.height / 2 + dy, false));
      candidates.push_back(block.at(kind, at.x - block.width / 2 + dy, at.y - gap - block.height, false));
      candidates.push_back(block.at(kind, at.x - block.width / 2 + dy, at.y + gap, false));
    }
  }
  return candidates;
}

struct Pending {
  LabelKind kind;
  MapPoint at;      // pixels
  PixelRings home;  // a piece's own area; empty for a find site
  std::vector<LabelLine> full;
  std::vector<LabelLine> shortened;  // empty: none
  std::string keyText;
};

}  // namespace

std::string germanNumber(double value, int decimals) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string result(text, error == std::errc() ? end : text);
  std::replace(result.begin(), result.end(), '.', ',');
  return result;
}

LabelPlan planLabels(const RenderScene& scene, const RenderLayout& layout) {
  std::vector<Pending> pending;
  for (const FindSite& site : scene.sites) {
    const LabelKind kind = site.plants ? LabelKind::PlantSite : LabelKind::AnimalSite;
    std::vector<LabelLine> lines = {{site.kennung, 13, true}};
    std::string species;
    for (const std::string& name : site.species) {
      lines.push_back({name, 12, false});
      species += (species.empty() ? ": " : ", ") + name;
    }
    pending.push_back(
        {kind, layout.toPixel(site.at), {}, lines, {{site.kennung, 13, true}}, site.kennung + species});
  }
  std::vector<std::size_t> bySize(scene.biotopes.size());
  std::iota(bySize.begin(), bySize.end(), 0);
  std::stable_sort(bySize.begin(), bySize.end(), [&](std::size_t a, std::size_t b) {
    return scene.biotopes[a].hectares > scene.biotopes[b].hectares;
  });
  for (const std::size_t i : bySize) {
    const BiotopPiece& piece = scene.biotopes[i];
    std::string figures = germanNumber(piece.hectares, 2) + " ha";
    if (scene.hectares > 0) figures += " · " + germanNumber(piece.share, 1) + " %";
    const std::string name = piece.code + " (" + piece.kennung + ")";
    pending.push_back({LabelKind::Biotop,
                       layout.toPixel(piece.labelAt),
                       pixelRingsOf(piece.onObject, layout),
                       {{name, 15, true}, {figures, 13, false}},
                       {{piece.code, 13, true}},
                       name + " " + figures});
  }

  TextMeasure measure;
  Placer placer(scene, layout);
  LabelPlan plan;
  for (const Pending& label : pending) {
    const bool site = label.kind != LabelKind::Biotop;
    // A strict try may go anywhere on the label's own piece; a relaxed one stays close to its point.
    const auto tryLines = [&](const std::vector<LabelLine>& lines, LabelKind kind, bool strict) {
      const Block block = blockOf(measure, lines);
      return placer.place(site && kind != LabelKind::Key ? beside(block, kind, label.at)
                                                         : around(block, kind, label.at, strict ? 6 : 2),
                          strict, label.home);
    };
    // A piece's label is better shortened than moved off its piece; a find site's keeps its species.
    const bool strictFirst[] = {true, !site, site, false};
    const std::vector<LabelLine>* linesFirst[] = {&label.full, site ? &label.full : &label.shortened,
                                                  site ? &label.shortened : &label.full, &label.shortened};
    std::optional<PlacedLabel> placed;
    for (int attempt = 0; attempt < 4 && !placed; ++attempt)
      placed = tryLines(*linesFirst[attempt], label.kind, strictFirst[attempt]);
    if (!placed && plan.key.size() < kLargestKey) {
      const std::vector<LabelLine> number = {{std::to_string(plan.key.size() + 1), 11, true}};
      placed = tryLines(number, LabelKind::Key, true);
      if (!placed) placed = tryLines(number, LabelKind::Key, false);
      if (placed) plan.key.push_back(label.keyText);
    }
    if (placed) {
      plan.labels.push_back(std::move(*placed));
    } else {
      ++plan.unlabelled;
    }
  }
  return plan;
}

}  // namespace tolvar
