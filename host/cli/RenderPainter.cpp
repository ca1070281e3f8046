#include "RenderPainter.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

#include "RenderColours.h"
#include "RenderLabels.h"
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

class Canvas {
 public:
  Canvas(cairo_t* cr, const RenderLayout& layout) : cr_(cr), layout_(layout) {}

  void colour(const Rgb& rgb, double alpha = 1) {
    cairo_set_source_rgba(cr_, rgb.red, rgb.green, rgb.blue, alpha);
  }

  void font(double size, bool bold) {
    cairo_select_font_face(cr_, kFontFamily, CAIRO_FONT_SLANT_NORMAL,
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
    cairo_move_to(cr_, centred ? x - extents.x_advance / 2 : x, y);
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

  void swatch(const Rgb& fill, double x, double y) {
    cairo_rectangle(cr_, x, y - 11, 18, 13);
    colour(fill);
    cairo_fill_preserve(cr_);
    colour({0.25, 0.25, 0.25});
    cairo_set_line_width(cr_, 1);
    cairo_stroke(cr_);
    colour({0, 0, 0});
  }

  cairo_t* cr() const { return cr_; }
  const RenderLayout& layout() const { return layout_; }

 private:
  cairo_t* cr_;
  const RenderLayout& layout_;
};

BiotopColours coloursOf(const RenderScene& scene) {
  std::vector<std::string> codes;
  for (const BiotopPiece& piece : scene.biotopes) codes.push_back(piece.code);
  for (const AggregatedBiotopRow& row : scene.biotopRows) codes.push_back(row.code);
  return BiotopColours(codes);
}

void paintObjects(Canvas& canvas, const RenderScene& scene, const BiotopColours& colours) {
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
    canvas.colour(colours.of(piece.code));
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

void paintSites(Canvas& canvas, const RenderScene& scene) {
  for (const FindSite& site : scene.sites) {
    const MapPoint at = canvas.layout().toPixel(site.at);
    cairo_new_path(canvas.cr());
    cairo_arc(canvas.cr(), at.x, at.y, 6, 0, 2 * M_PI);
    canvas.colour(site.plants ? kPlantSite : kAnimalSite);
    cairo_fill_preserve(canvas.cr());
    canvas.colour(kBackground);
    cairo_set_line_width(canvas.cr(), 1.5);
    cairo_stroke(canvas.cr());
  }
}

void paintLabels(Canvas& canvas, const LabelPlan& plan) {
  for (const PlacedLabel& label : plan.labels) {
    const Rgb ink = label.kind == LabelKind::AnimalSite  ? kAnimalSite
                    : label.kind == LabelKind::PlantSite ? kPlantSite
                                                         : Rgb{0, 0, 0};
    canvas.colour(ink);
    const double x = label.centred ? label.box.left + label.box.width / 2 : label.box.left + 2;
    for (const LabelLine& line : label.lines) {
      canvas.font(line.size, line.bold);
      canvas.label(line.text, x, line.baseline, label.centred);
    }
  }
}

// "1 : 2.500": metres of the map per metre of the picture, to two significant digits.
std::string scaleRatio(double pixelsPerMetre, double metresPerPixel) {
  const double ratio = 1 / (pixelsPerMetre * metresPerPixel);
  const double step = std::pow(10.0, std::max(0.0, std::floor(std::log10(ratio)) - 1));
  std::string digits = std::to_string(static_cast<long long>(std::round(ratio / step) * step));
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), ".");
  return "1 : " + digits;
}

// A bar of a round length (1, 2 or 5 times a power of ten) of at most a fifth of the frame, and the
// scale ratio beside it.
void paintScaleBar(Canvas& canvas, const std::string& ratio) {
  const PixelBox zone = canvas.layout().scaleBar();
  const double metresAvailable = canvas.layout().mapFrame().width / 5 / canvas.layout().pixelsPerMetre();
  const double power = std::pow(10.0, std::floor(std::log10(metresAvailable)));
  double metres = power;
  for (const double step : {2.0, 5.0})
    if (step * power <= metresAvailable) metres = step * power;
  const double length = metres * canvas.layout().pixelsPerMetre();
  const double left = zone.left + 12;
  const double bottom = zone.top + 28;
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
  canvas.font(13, true);
  canvas.label(ratio, left + length + 28, bottom, false);
}

void paintNorthArrow(Canvas& canvas) {
  const PixelBox zone = canvas.layout().northArrow();
  const double x = zone.left + zone.width / 2;
  const double top = zone.top + 26;
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

// The legend speaks of what the object's class holds: a measure shows what its aggregation wrote,
// any other object its own biotope-type rows and the species of the find sites on it.
void paintLegend(Canvas& canvas, const RenderScene& scene, const BiotopColours& colours,
                 const LabelPlan& plan) {
  const PixelBox box = canvas.layout().legend();
  cairo_t* cr = canvas.cr();
  const bool measure = scene.className == "MAS";
  double y = box.top + 18;
  canvas.colour({0, 0, 0});
  canvas.font(16, true);
  canvas.text(measure ? "Aggregierte Biotoptypen" : "Biotoptypen von " + scene.kennung, box.left, y);
  y += 26;
  canvas.font(13, true);
  canvas.text("Biotoptyp", box.left + 26, y);
  canvas.text("Fläche", box.left + 130, y);
  canvas.text("Anteil", box.left + 240, y);
  canvas.font(13, false);
  if (scene.biotopRows.empty()) {
    y += 20;
    canvas.text(scene.hasSpeciesCarrier ? "keine (nur die Zeile „OZ“ der Arten)" : "keine", box.left + 26, y);
  }
  for (const AggregatedBiotopRow& row : scene.biotopRows) {
    y += 20;
    canvas.swatch(colours.of(row.code), box.left, y);
    canvas.text(row.code, box.left + 26, y);
    canvas.text(row.hectares.empty() ? "–" : row.hectares + " ha", box.left + 130, y);
    canvas.text(row.share.empty() ? "–" : row.share + " %", box.left + 240, y);
  }
  y += 34;
  canvas.font(14, true);
  canvas.text(measure ? "Planungsrelevante Arten" : "Arten der Fundorte auf " + scene.kennung, box.left, y);
  canvas.font(13, false);
  if (scene.speciesRows.empty()) {
    y += 20;
    canvas.text("keine", box.left + 26, y);
  }
  for (const std::string& row : scene.speciesRows) {
    y += 20;
    canvas.text(row, box.left + 26, y);
  }
  if (!plan.key.empty() || plan.unlabelled > 0) {
    y += 34;
    canvas.font(14, true);
    canvas.text("Nummern in der Karte", box.left, y);
    canvas.font(12, false);
    for (std::size_t i = 0; i < plan.key.size(); ++i) {
      y += 18;
      canvas.text(std::to_string(i + 1), box.left + 4, y);
      canvas.text(plan.key[i], box.left + 26, y);
    }
    if (plan.unlabelled > 0) {
      y += 18;
      canvas.text(std::to_string(plan.unlabelled) + " weitere ohne Platz für eine Beschriftung",
                  box.left + 26, y);
    }
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
  // One swatch per group, in its middle shade: the colours of the map are shades of these.
  const BiotopColours groupColours({});
  const std::pair<const char*, const char*> groups[] = {
      {"W", "Wälder, Gebüsche (W, B, H)"},           {"G", "Grünland, Rasen (G, R)"},
      {"F", "Gewässer, Feuchtgebiete (F, S, N, M)"}, {"A", "Äcker, Gartenbau (A, E)"},
      {"O", "Siedlung, Verkehr (O, P, X)"},          {"U", "übrige Biotoptypen"}};
  y += 8;
  for (const auto& [code, name] : groups) {
    y += 20;
    canvas.swatch(groupColours.of(code), box.left, y);
    canvas.text(name, box.left + 26, y);
  }
}

void paint(cairo_t* cr, const RenderScene& scene, double metresPerPixel) {
  const RenderLayout layout(scene);
  const LabelPlan plan = planLabels(scene, layout);
  const BiotopColours colours = coloursOf(scene);
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
  paintObjects(canvas, scene, colours);
  paintSites(canvas, scene);
  paintLabels(canvas, plan);
  paintScaleBar(canvas, scaleRatio(layout.pixelsPerMetre(), metresPerPixel));
  paintNorthArrow(canvas);
  cairo_restore(cr);
  cairo_rectangle(cr, frame.left, frame.top, frame.width, frame.height);
  canvas.colour({0.5, 0.5, 0.5});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  paintLegend(canvas, scene, colours, plan);
}

void check(cairo_status_t status, const std::filesystem::path& file) {
  if (status == CAIRO_STATUS_SUCCESS) return;
  const std::string why = status == CAIRO_STATUS_WRITE_ERROR
                              ? "keine Schreibberechtigung, oder der Datenträger ist voll"
                              : cairo_status_to_string(status);
  throw host::HostError("Das Bild " + file.string() + " lässt sich nicht schreiben: " + why);
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
  if (!format) throw host::HostError("render schreibt eine .svg- oder .png-Datei, nicht " + file.string());
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  if (!std::filesystem::is_directory(folder)) {
    throw host::HostError("Das Bild " + file.string() + " lässt sich nicht schreiben: den Ordner " +
                          folder.string() + " gibt es nicht");
  }
  const bool svg = format == PictureFormat::Svg;
  Surface surface(
      svg ? cairo_svg_surface_create(file.c_str(), RenderLayout::kWidth, RenderLayout::kHeight)
          : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, RenderLayout::kWidth, RenderLayout::kHeight));
  check(cairo_surface_status(surface.get()), file);
  {
    const Context context(cairo_create(surface.get()));
    // An SVG measures in points; a PNG is taken as shown at 96 pixels per inch.
    paint(context.get(), scene, 0.0254 / (svg ? 72 : 96));
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
