// Where things go on the picture: a fixed canvas with a title band, the map frame on the left and the
// legend on the right; the map is scaled to fit the drawn extent, north up.
#pragma once

#include "RenderScene.h"

namespace tolvar {

inline constexpr const char* kFontFamily = "DejaVu Sans";

struct PixelBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool overlaps(const PixelBox& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
  }
  bool inside(const PixelBox& other) const {
    return left >= other.left && top >= other.top && right() <= other.right() && bottom() <= other.bottom();
  }
};

class RenderLayout {
 public:
  static constexpr int kWidth = 1200;
  static constexpr int kHeight = 800;

  explicit RenderLayout(const RenderScene& scene);

  PixelBox mapFrame() const { return {20, 70, 800, 710}; }
  PixelBox legend() const { return {840, 70, 340, 710}; }
  // Corners of the map frame kept free of labels.
  PixelBox northArrow() const { return {764, 78, 48, 70}; }
  PixelBox scaleBar() const { return {28, 716, 360, 56}; }
  double pixelsPerMetre() const { return scale_; }
  MapPoint toPixel(const MapPoint& world) const;

 private:
  double scale_ = 1;
  MapPoint worldCentre_;
};

}  // namespace tolvar
