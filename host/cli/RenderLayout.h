// Where things go on the picture: a fixed canvas with a title band, the map frame on the left and the
// legend on the right; the map is scaled to fit the drawn extent, north up.
#pragma once

#include "RenderScene.h"

namespace tolvar {

struct PixelBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

class RenderLayout {
 public:
  static constexpr int kWidth = 1200;
  static constexpr int kHeight = 800;

  explicit RenderLayout(const RenderScene& scene);

  PixelBox mapFrame() const { return {20, 70, 800, 710}; }
  PixelBox legend() const { return {840, 70, 340, 710}; }
  double pixelsPerMetre() const { return scale_; }
  MapPoint toPixel(const MapPoint& world) const;

 private:
  double scale_ = 1;
  MapPoint worldCentre_;
};

}  // namespace tolvar
