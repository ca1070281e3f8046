#include "RenderPainter.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <memory>

#include "RenderColours.h"
#include "RenderLayout.h"

namespace tolvar {

namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

constexpr const char* kFont = "DejaVu Sans";

// German notation whatever the process locale says.
std::string germanNumber(double value, int decimals) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string result(text, error == std::errc() ? end : text);
  std::replace(result.begin(), result.end(), '.', ',');
  return result;
}

class Canvas {
 public:
  Canvas(cairo_t* cr, const RenderLayout& layout) : cr_(cr), layout_(layout) {}

  void colour(const Rgb& rgb, double alpha = 1) {
    cairo_set_source_rgba(cr_, rgb.red, rgb.green, rgb.blue, alpha);
  }

  void font(double size, bool bold) {
    cairo_select_font_face(cr_, kFont, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, size);
  }

  void shapePath(const MapShape& shape) {
    cairo_new_path(cr_);
    for (const MapPath& path : shape) {
      for (std::size_t i = 0; i < path.points.size(); ++i) {
        const MapPoint p = layout_.toPixel(path.points[i]);
        (i == 0 ? cairo_move_to : cairo_line_to)(cr_, p.x, p.y);
      }
      if (path.closed) cairo_close_path(cr_);
    }
  }

  // Text with a white halo, so it stays legible on any fill; anchored at its left or its centre.
  void label(const std::string& text, double x, double y, bool centred) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    cairo_move_to(cr_, centred ? x - extents.width / 2 - extents.x_bearing : x, y);
    cairo_text_path(cr_, text.c_str());
    cairo_save(cr_);
    colour(kBackground, 0.85);
    cairo_set_line_width(cr_, 3);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr_);
    cairo_restore(cr_);
    cairo_fill(cr_);
  }

  void text(const std::string& text, double x, double y) {
    cairo_move_to(cr_, x, y);
    cairo_show_text(cr_, text.c_str());
  }

  cairo_t* cr() const { return cr_; }
  const RenderLayout& layout() const { return layout_; }

 private:
  cairo_t* cr_;
  const RenderLayout& layout_;
};

void paintObjects(Canvas& canvas, const RenderScene& scene) {
  cairo_t* cr = canvas.cr();
  // Whole outlines beyond the object are dashed, so the clipped pieces stand out.
  const auto strokeDashed = [&](const auto& shape, double grey, double width) {
    const double dashes[] = {6, 4};
    canvas.shapePath(shape);
    canvas.colour({grey, grey, grey});
    cairo_set_line_width(cr, width);
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_stroke(cr);
  };
  for (const OtherObject& other : scene.others) strokeDashed(other.shape, 0.45, 1.2);
  for (const BiotopPiece& piece : scene.biotopes) strokeDashed(piece.whole, 0.6, 1);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  for (const BiotopPiece& piece : scene.biotopes) {
    canvas.shapePath(piece.onObject);
    canvas.colour(biotopColour(piece.code));
    cairo_fill_preserve(cr);
    canvas.colour({0.25, 0.25, 0.25});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  canvas.shapePath(scene.outline);
  canvas.colour({0, 0, 0});
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void paintLabels(Canvas& canvas, const RenderScene& scene) {
  canvas.colour({0, 0, 0});
  for (const BiotopPiece& piece : scene.biotopes) {
    const MapPoint at = canvas.layout().toPixel(piece.labelAt);
    canvas.font(15, true);
    canvas.label(piece.code + " (" + piece.kennung + ")", at.x, at.y - 4, true);
    canvas.font(13, false);
    std::string figures = germanNumber(piece.hectares, 2) + " ha";
    if (scene.hectares > 0) figures += " · " + germanNumber(piece.share, 1) + " %";
    canvas.label(figures, at.x, at.y + 14, true);
  }
  for (const FindSite& site : scene.sites) {
    const MapPoint at = canvas.layout().toPixel(site.at);
    cairo_new_path(canvas.cr());
    cairo_arc(canvas.cr(), at.x, at.y, 6, 0, 2 * M_PI);
    canvas.colour(site.plants ? kPlantSite : kAnimalSite);
    cairo_fill_preserve(canvas.cr());
    canvas.colour(kBackground);
    cairo_set_line_width(canvas.cr(), 1.5);
    cairo_stroke(canvas.cr());
    canvas.colour(site.plants ? kPlantSite : kAnimalSite);
    canvas.font(13, true);
    canvas.label(site.kennung, at.x + 10, at.y - 6, false);
    canvas.font(12, false);
    double y = at.y + 9;
    for (const std::string& species : site.species) {
      canvas.label(species, at.x + 10, y, false);
      y += 15;
    }
  }
}

// A bar of a round length (1, 2 or 5 times a power of ten) of at most a fifth of the frame.
void paintScaleBar(Canvas& canvas) {
  const PixelBox frame = canvas.layout().mapFrame();
  const double metresAvailable = frame.width / 5 / canvas.layout().pixelsPerMetre();
  const double power = std::pow(10.0, std::floor(std::log10(metresAvailable)));
  double metres = power;
  for (const double step : {2.0, 5.0})
    if (step * power <= metresAvailable) metres = step * power;
  const double length = metres * canvas.layout().pixelsPerMetre();
  const double left = frame.left + 20;
  const double bottom = frame.top + frame.height - 24;
  cairo_t* cr = canvas.cr();
  for (int half = 0; half < 2; ++half) {
    cairo_rectangle(cr, left + half * length / 2, bottom - 8, length / 2, 8);
    canvas.colour(half == 0 ? Rgb{0, 0, 0} : kBackground);
    cairo_fill_preserve(cr);
    canvas.colour({0, 0, 0});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  canvas.font(12, false);
  canvas.colour({0, 0, 0});
  canvas.label("0", left, bottom + 15, true);
  canvas.label(metres >= 1000 ? germanNumber(metres / 1000, 0) + " km" : germanNumber(metres, 0) + " m",
               left + length, bottom + 15, true);
}

void paintNorthArrow(Canvas& canvas) {
  const PixelBox frame = canvas.layout().mapFrame();
  const double x = frame.left + frame.width - 36;
  const double top = frame.top + 34;
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, x, top);
  cairo_line_to(cr, x + 11, top + 34);
  cairo_line_to(cr, x, top + 26);
  cairo_line_to(cr, x - 11, top + 34);
  cairo_close_path(cr);
  canvas.colour({0, 0, 0});
  cairo_fill(cr);
  canvas.font(16, true);
  canvas.label("N", x, top - 6, true);
}

void paintLegend(Canvas& canvas, const RenderScene& scene) {
  const PixelBox box = canvas.layout().legend();
  cairo_t* cr = canvas.cr();
  double y = box.top + 18;
  canvas.colour({0, 0, 0});
  canvas.font(16, true);
  canvas.text("Letzte Aggregation", box.left, y);
  y += 26;
  canvas.font(13, true);
  canvas.text("Biotoptyp", box.left + 26, y);
  canvas.text("FLAECHE", box.left + 130, y);
  canvas.text("Anteil", box.left + 240, y);
  canvas.font(13, false);
  if (scene.biotopRows.empty()) {
    y += 20;
    canvas.text("keine Zeilen", box.left + 26, y);
  }
  for (const AggregatedBiotopRow& row : scene.biotopRows) {
    y += 20;
    cairo_rectangle(cr, box.left, y - 11, 18, 13);
    canvas.colour(biotopColour(row.code));
    cairo_fill_preserve(cr);
    canvas.colour({0.25, 0.25, 0.25});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    canvas.colour({0, 0, 0});
    canvas.text(row.code, box.left + 26, y);
    canvas.text(row.hectares.empty() ? "–" : row.hectares + " ha", box.left + 130, y);
    canvas.text(row.share.empty() ? "–" : row.share + " %", box.left + 240, y);
  }
  y += 34;
  canvas.font(14, true);
  canvas.text("Planungsrelevante Arten", box.left, y);
  canvas.font(13, false);
  if (scene.speciesRows.empty()) {
    y += 20;
    canvas.text("keine", box.left + 26, y);
  }
  for (const std::string& row : scene.speciesRows) {
    y += 20;
    canvas.text(row, box.left + 26, y);
  }
  y += 34;
  canvas.font(14, true);
  canvas.text("Zeichen", box.left, y);
  canvas.font(13, false);
  const Rgb sites[] = {kAnimalSite, kPlantSite};
  const char* siteNames[] = {"FT Tierfundort", "FP Pflanzenfundort"};
  for (int i = 0; i < 2; ++i) {
    y += 20;
    cairo_new_path(cr);
    cairo_arc(cr, box.left + 9, y - 4, 6, 0, 2 * M_PI);
    canvas.colour(sites[i]);
    cairo_fill(cr);
    canvas.colour({0, 0, 0});
    canvas.text(siteNames[i], box.left + 26, y);
  }
  y += 20;
  cairo_move_to(cr, box.left, y - 4);
  cairo_line_to(cr, box.left + 18, y - 4);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  canvas.text("Umriss von " + scene.kennung, box.left + 26, y);
  y += 20;
  const double dashes[] = {6, 4};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_move_to(cr, box.left, y - 4);
  cairo_line_to(cr, box.left + 18, y - 4);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  canvas.text("ganze BT-Fläche, andere Objekte", box.left + 26, y);
}

void paint(cairo_t* cr, const RenderScene& scene) {
  const RenderLayout layout(scene);
  Canvas canvas(cr, layout);
  canvas.colour(kBackground);
  cairo_paint(cr);
  canvas.colour({0, 0, 0});
  canvas.font(22, true);
  std::string title = scene.kennung + " (" + scene.className + ")";
  if (scene.hectares > 0) title += ", " + germanNumber(scene.hectares, 2) + " ha";
  canvas.text(title, 20, 42);

  const PixelBox frame = layout.mapFrame();
  cairo_save(cr);
  cairo_rectangle(cr, frame.left, frame.top, frame.width, frame.height);
  cairo_clip(cr);
  paintObjects(canvas, scene);
  paintLabels(canvas, scene);
  paintScaleBar(canvas);
  paintNorthArrow(canvas);
  cairo_restore(cr);
  cairo_rectangle(cr, frame.left, frame.top, frame.width, frame.height);
  canvas.colour({0.5, 0.5, 0.5});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  paintLegend(canvas, scene);
}

void check(cairo_status_t status, const std::filesystem::path& file) {
  if (status != CAIRO_STATUS_SUCCESS) {
    throw host::HostError("cannot write " + file.string() + ": " + cairo_status_to_string(status));
  }
}

}  // namespace

std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".svg") return PictureFormat::Svg;
  if (extension == ".png") return PictureFormat::Png;
  return std::nullopt;
}

void paintToFile(const RenderScene& scene, const std::filesystem::path& file) {
  const auto format = pictureFormatOf(file);
  if (!format) throw host::HostError("render writes a .svg or a .png file, not " + file.string());
  const bool svg = format == PictureFormat::Svg;
  Surface surface(
      svg ? cairo_svg_surface_create(file.c_str(), RenderLayout::kWidth, RenderLayout::kHeight)
          : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, RenderLayout::kWidth, RenderLayout::kHeight));
  check(cairo_surface_status(surface.get()), file);
  {
    const Context context(cairo_create(surface.get()));
    paint(context.get(), scene);
    check(cairo_status(context.get()), file);
  }
  if (svg) {
    cairo_surface_finish(surface.get());
    check(cairo_surface_status(surface.get()), file);
  } else {
    check(cairo_surface_write_to_png(surface.get(), file.c_str()), file);
  }
}

}  // namespace tolvar
