#include "RenderLayout.h"

#include <algorithm>

namespace tolvar {

namespace {

constexpr double kMargin = 0.08;          // of the map frame, on every side
constexpr double kSmallestExtent = 50.0;  // metres shown around an object without area

}  // namespace

RenderLayout::RenderLayout(const RenderScene& scene) {
  const auto [low, high] = extentOf(scene);
  const double width = std::max(high.x - low.x, kSmallestExtent);
  const double height = std::max(high.y - low.y, kSmallestExtent);
  const PixelBox frame = mapFrame();
  scale_ = std::min(frame.width / width, frame.height / height) * (1 - 2 * kMargin);
  worldCentre_ = {(low.x + high.x) / 2, (low.y + high.y) / 2};
}

MapPoint RenderLayout::toPixel(const MapPoint& world) const {
  const PixelBox frame = mapFrame();
  return {frame.left + frame.width / 2 + (world.x - worldCentre_.x) * scale_,
          frame.top + frame.height / 2 - (world.y - worldCentre_.y) * scale_};
}

}  // namespace tolvar
