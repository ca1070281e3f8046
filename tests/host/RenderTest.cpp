// The render command on a known layout: a measure half covered by a WBA object, half by a GMF
// object that reaches beyond it, and a toad's find site.
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "ClassCodes.h"
#include "Cli.h"
#include "ProjectBuilder.h"
#include "RenderColours.h"
#include "RenderLabels.h"
#include "RenderLayout.h"
#include "RenderScene.h"
#include "TempDir.h"

namespace {

// cairo and fontconfig keep their font caches until the process ends; a leak checker wants them gone.
class FontCachesReleased : public ::testing::Environment {
 public:
  void TearDown() override {
    cairo_debug_reset_static_data();
    FcFini();
  }
};
const auto* const kFontCaches = ::testing::AddGlobalTestEnvironment(new FontCachesReleased);

struct Pixel {
  int red = 0;
  int green = 0;
  int blue = 0;
};

class Png {
 public:
  explicit Png(const std::filesystem::path& file)
      : surface_(cairo_image_surface_create_from_png(file.c_str())) {}
  ~Png() { cairo_surface_destroy(surface_); }
  Png(const Png&) = delete;
  Png& operator=(const Png&) = delete;

  bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  Pixel at(double x, double y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::uint32_t argb = 0;
    std::memcpy(&argb, data + static_cast<int>(y) * stride + static_cast<int>(x) * 4, sizeof argb);
    return {static_cast<int>(argb >> 16 & 0xFF), static_cast<int>(argb >> 8 & 0xFF),
            static_cast<int>(argb & 0xFF)};
  }

 private:
  cairo_surface_t* surface_;
};

MATCHER_P(HasColour, rgb, "") {
  const auto near = [](int channel, double expected) { return std::abs(channel - expected * 255) <= 2; };
  *result_listener << "is (" << arg.red << ", " << arg.green << ", " << arg.blue << ")";
  return near(arg.red, rgb.red) && near(arg.green, rgb.green) && near(arg.blue, rgb.blue);
}

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ProjectBuilder builder;
    builder.addRectangle(1, "M-1", host::kClassMAS, 0, 0, 1000, 600);
    builder.addRectangle(2, "BT-W", host::kClassBT, 0, 0, 500, 600);
    builder.addRectangle(3, "BT-G", host::kClassBT, 500, 0, 1400, 600);
    builder.addObject(4, "FT-1", host::kClassFT, "POINT(250 300)");
    builder.addObject(5, "BT-FERN", host::kClassBT, "POLYGON((3000 0,3100 0,3100 100,3000 100,3000 0))");
    builder.addRow("BtypHtyp", 2, std::nullopt, {{"Biotoptyp", "WBA"}});
    builder.addRow("BtypHtyp", 3, std::nullopt, {{"Biotoptyp", "xGMF"}});
    builder.addRow("Tierliste", 4, std::nullopt, {{"Tierart", "Bufo bufo"}});
    builder.write(temp / "projekt");
  }

  int tolvar(const std::vector<std::string>& commands) {
    std::vector<std::string> args = {(temp / "projekt").string()};
    args.insert(args.end(), commands.begin(), commands.end());
    return tolvar::runCli(args, out, err, AGGREGATE_PLUGIN_PATH);
  }

  testsupport::TempDir temp;
  std::ostringstream out, err;
};

TEST_F(Render, SceneHoldsWhatLiesOnTheObjectClippedToIt) {
  host::Host host(temp / "projekt");
  const tolvar::RenderScene scene = tolvar::collectRenderScene(host, "M-1");
  EXPECT_DOUBLE_EQ(scene.hectares, 60);
  ASSERT_EQ(scene.biotopes.size(), 2u);
  EXPECT_EQ(scene.biotopes[1].code, "xGMF");
  EXPECT_NEAR(scene.biotopes[1].hectares, 30, 1e-9);  // 54 ha in all, 30 of them on the measure
  EXPECT_NEAR(scene.biotopes[1].share, 50, 1e-9);
  ASSERT_EQ(scene.sites.size(), 1u);
  EXPECT_THAT(scene.sites[0].species, ::testing::ElementsAre("Bufo bufo"));
  EXPECT_TRUE(scene.others.empty());
  EXPECT_THROW(tolvar::collectRenderScene(host, "NOPE"), host::HostError);

  // A find site on its own has no outline: it is drawn as a site, and the map centres on it.
  const tolvar::RenderScene site = tolvar::collectRenderScene(host, "FT-1");
  ASSERT_EQ(site.sites.size(), 1u);
  EXPECT_THAT(site.sites[0].species, ::testing::ElementsAre("Bufo bufo"));
  const tolvar::MapPoint centre = tolvar::RenderLayout(site).toPixel({250, 300});
  const tolvar::PixelBox frame = tolvar::RenderLayout(site).mapFrame();
  EXPECT_DOUBLE_EQ(centre.x, frame.left + frame.width / 2);
  EXPECT_DOUBLE_EQ(centre.y, frame.top + frame.height / 2);
}

TEST_F(Render, PngColoursThePiecesByGroupAndLeavesTheRestBlank) {
  // One code of the woods and one of the grassland: each takes its group's colour.
  const tolvar::BiotopColours colours({"WBA", "GMF"});
  const auto file = temp / "m1.png";
  ASSERT_EQ(
      tolvar({"select", "M-1", "FT-1", ",", "run", "BT_FT_FPToMAS", ",", "render", "M-1", file.string()}), 0)
      << err.str();
  const Png png(file);
  ASSERT_TRUE(png.ok());
  EXPECT_EQ(png.width(), tolvar::RenderLayout::kWidth);
  EXPECT_EQ(png.height(), tolvar::RenderLayout::kHeight);

  host::Host host(temp / "projekt");
  const tolvar::RenderLayout layout(tolvar::collectRenderScene(host, "M-1"));
  const auto pixel = [&](double x, double y) {
    const tolvar::MapPoint p = layout.toPixel({x, y});
    return png.at(p.x, p.y);
  };
  EXPECT_THAT(pixel(60, 60), HasColour(colours.of("WBA")));
  EXPECT_THAT(pixel(940, 540), HasColour(colours.of("GMF")));  // xGMF is coloured as GMF
  EXPECT_THAT(pixel(1000 + 0.5 * 20 / layout.pixelsPerMetre(), 300), HasColour(tolvar::kBackground));
  EXPECT_THAT(pixel(250, 300), HasColour(tolvar::kAnimalSite));
  // The legend's first swatch shows the first row the aggregation wrote.
  const tolvar::PixelBox legend = layout.legend();
  EXPECT_THAT(png.at(legend.left + 9, legend.top + 58), HasColour(colours.of("WBA")));
}

TEST(RenderColours, CodesOfOneGroupGetDistinctShadesOfItsColour) {
  EXPECT_EQ(tolvar::groupOf("FGR"), tolvar::BiotopGroup::Waters);  // a ditch is water
  EXPECT_EQ(tolvar::groupOf(tolvar::colouredCode("xGMF/NSS")), tolvar::BiotopGroup::Grassland);
  const tolvar::BiotopColours colours({"WBA", "WXH", "xWBA", "BMS"});
  const tolvar::Rgb a = colours.of("WBA"), b = colours.of("WXH"), c = colours.of("BMS");
  EXPECT_TRUE(a.green > a.red && b.green > b.red && c.green > c.red);
  EXPECT_NE(a.green, b.green);
  EXPECT_NE(b.green, c.green);
  EXPECT_NE(a.green, c.green);
}

// Every label lies inside the map frame, clear of the north arrow, the scale bar and every other
// label; a label without room has a number or is counted.
void expectLabelsApart(const tolvar::RenderScene& scene) {
  SCOPED_TRACE(scene.kennung);
  const tolvar::RenderLayout layout(scene);
  const tolvar::LabelPlan plan = tolvar::planLabels(scene, layout);
  EXPECT_EQ(plan.labels.size() + plan.unlabelled, scene.biotopes.size() + scene.sites.size());
  EXPECT_LE(plan.key.size(), tolvar::kLargestKey);
  for (std::size_t i = 0; i < plan.labels.size(); ++i) {
    const tolvar::PixelBox& box = plan.labels[i].box;
    EXPECT_TRUE(box.inside(layout.mapFrame())) << plan.labels[i].lines[0].text;
    EXPECT_FALSE(box.overlaps(layout.northArrow()) || box.overlaps(layout.scaleBar()))
        << plan.labels[i].lines[0].text;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(box.overlaps(plan.labels[j].box))
          << plan.labels[i].lines[0].text << " / " << plan.labels[j].lines[0].text;
  }
}

TEST(RenderLabels, NeitherOverlapNorLeaveTheFrame) {
  testsupport::TempDir temp;
  std::filesystem::copy(DEMO_PROJECT_DIR, temp / "demo", std::filesystem::copy_options::recursive);
  {
    host::Host demo(temp / "demo");
    expectLabelsApart(tolvar::collectRenderScene(demo, "MAS-01"));
    const tolvar::RenderScene gb = tolvar::collectRenderScene(demo, "GB-001");
    expectLabelsApart(gb);
  }
  // A measure crowded like those of the large project: 36 small BT pieces and find sites with species.
  host::ProjectBuilder builder;
  builder.addRectangle(1, "MAS-1", host::kClassMAS, 0, 0, 120, 120);
  const char* codes[] = {"WBA", "GMF", "xGMF", "FGR", "NSS", "AAC", "OVS", "URF"};
  for (int i = 0; i < 36; ++i) {
    const double x = (i % 6) * 20, y = (i / 6) * 20;
    builder.addRectangle(10 + i, "BT-" + std::to_string(10 + i), host::kClassBT, x, y, x + 20, y + 20);
    builder.addRow("BtypHtyp", 10 + i, std::nullopt, {{"Biotoptyp", codes[i % 8]}});
  }
  for (int i = 0; i < 4; ++i) {
    const std::string point =
        "POINT(" + std::to_string(15 + 25 * i) + " " + std::to_string(30 + 20 * i) + ")";
    builder.addObject(100 + i, "F-" + std::to_string(100 + i), i % 2 == 0 ? host::kClassFT : host::kClassFP,
                      point);
    for (const char* species : {"Lacerta agilis", "Bufo bufo"})
      builder.addRow(i % 2 == 0 ? "Tierliste" : "Pflanzenliste", 100 + i, std::nullopt,
                     {{i % 2 == 0 ? "Tierart" : "Pflanzenart", species}});
  }
  builder.write(temp / "gross");
  host::Host crowded(temp / "gross");
  const tolvar::RenderScene scene = tolvar::collectRenderScene(crowded, "MAS-1");
  ASSERT_EQ(scene.biotopes.size(), 36u);
  expectLabelsApart(scene);
}

TEST_F(Render, SvgIsWrittenAndBadRequestsAreRefused) {
  const auto file = temp / "m1.SVG";
  ASSERT_EQ(tolvar({"render", "M-1", file.string()}), 0) << err.str();
  std::ifstream in(file);
  std::stringstream svg;
  svg << in.rdbuf();
  EXPECT_THAT(svg.str(), ::testing::StartsWith("<?xml"));
  EXPECT_THAT(svg.str(), ::testing::HasSubstr("<svg"));
  EXPECT_THAT(svg.str(), ::testing::HasSubstr("1200"));

  EXPECT_EQ(tolvar({"render", "M-1", (temp / "m1.jpg").string()}), 2);
  EXPECT_EQ(tolvar({"render", "NOPE", (temp / "x.png").string()}), 1);
  EXPECT_THAT(err.str(), ::testing::HasSubstr("Unbekannte Kennung 'NOPE'"));
  EXPECT_EQ(tolvar({"render", "M-1", (temp / "fehlt" / "x.png").string()}), 1);
  EXPECT_THAT(err.str(),
              ::testing::HasSubstr(": den Ordner " + (temp / "fehlt").string() + " gibt es nicht\n"));
  EXPECT_FALSE(std::filesystem::exists(temp / "x.png"));
}

}  // namespace
