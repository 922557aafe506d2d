// Plots written by cadhost --plot, read back: colours by layer and entity,
// frozen and off layers left out, the three formats, refusals.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "db/entity_builder.h"
#include "plot/aci_couleurs.h"
#include "plot/page_fit.h"
#include "plot/plot_file.h"
#include "plot/plot_text.h"
#include "plot/plotted_entities.h"
#include "run_cadhost.h"

namespace {

// A PNG read back; pixels as 0xRRGGBB.
class Image {
 public:
  explicit Image(const std::string& path) : s_(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Image() { cairo_surface_destroy(s_); }
  bool ok() const { return cairo_surface_status(s_) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(s_); }
  int height() const { return cairo_image_surface_get_height(s_); }
  uint32_t at(int x, int y) const {
    const unsigned char* row =
        cairo_image_surface_get_data(s_) + y * cairo_image_surface_get_stride(s_);
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
  }
  // Whether the pixel is mostly that primary colour (0xFF0000, 0x00FF00 ...):
  // a line between two rows of pixels is drawn in both, paler.
  bool near(int x, int y, uint32_t primary) const {
    for (int shift : {0, 8, 16}) {
      const int channel = (at(x, y) >> shift) & 0xFF, wanted = (primary >> shift) & 0xFF;
      if (wanted ? channel < 200 : channel > 160) return false;
    }
    return true;
  }
  std::vector<int> rowsOf(int x, uint32_t primary) const {
    std::vector<int> rows;
    for (int y = 0; y < height(); ++y)
      if (near(x, y, primary)) rows.push_back(y);
    return rows;
  }
  std::vector<int> columnsOf(int y, uint32_t primary) const {
    std::vector<int> columns;
    for (int x = 0; x < width(); ++x)
      if (near(x, y, primary)) columns.push_back(x);
    return columns;
  }

 private:
  cairo_surface_t* s_;
};

constexpr uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kGreen = 0x00FF00;

// Adds an entity as a file would hold it (huge values kept), on `layer`.
size_t add(db::Database& d, db::EntityType type, std::vector<db::InGroup> groups,
           uint32_t layer = 0) {
  db::Entity e;
  EXPECT_EQ(db::buildEntity(d, db::Origin::Dxf, {type, groups, layer, 0}, e), 0);
  return d.add(std::move(e));
}

class Plot : public ::testing::Test {
 protected:
  ScratchDir dir;
  CadhostRun run(const std::vector<std::string>& args) {
    std::filesystem::create_directories(dir.file("nomodules"));
    return runCadhost(dir, args, dir.file("nomodules"));
  }
};

TEST_F(Plot, PngShowsEachEntityInItsColourAndLeavesHiddenLayersOut) {
  // A red layer holding a red line (BYLAYER) and a green one (its own colour);
  // lines across them on a frozen layer and on a layer that is off.
  dir.write(
      "dessin.lsp",
      "(entmake '((0 . \"LAYER\") (2 . \"ROUGE\") (70 . 0) (62 . 1)))\n"
      "(entmake '((0 . \"LAYER\") (2 . \"GELE\") (70 . 1) (62 . 5)))\n"
      "(entmake '((0 . \"LAYER\") (2 . \"ETEINT\") (70 . 0) (62 . -5)))\n"
      "(entmake '((0 . \"LINE\") (8 . \"ROUGE\") (10 0.0 0.0 0.0) (11 100.0 0.0 0.0)))\n"
      "(entmake '((0 . \"LINE\") (8 . \"ROUGE\") (62 . 3) (10 0.0 20.0 0.0)"
      " (11 100.0 20.0 0.0)))\n"
      "(entmake '((0 . \"LINE\") (8 . \"GELE\") (10 50.0 -30.0 0.0) (11 50.0 60.0 0.0)))\n"
      "(entmake '((0 . \"LINE\") (8 . \"ETEINT\") (10 25.0 -30.0 0.0) (11 25.0 60.0 0.0)))\n");
  const CadhostRun r = run({"--plot", "plan.png", "dessin.lsp"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const Image image(dir.file("plan.png"));
  ASSERT_TRUE(image.ok());
  EXPECT_GT(image.width(), image.height()) << "a wide drawing is plotted landscape";

  // The two lines cross the whole width, the green one above the red one,
  // with a margin.
  const int middle = image.width() / 2;
  const std::vector<int> red = image.rowsOf(middle, kRed), green = image.rowsOf(middle, kGreen);
  ASSERT_FALSE(red.empty());
  ASSERT_FALSE(green.empty());
  EXPECT_LT(green.back(), red.front());
  const std::vector<int> span = image.columnsOf(red.front(), kRed);
  EXPECT_GT(span.front(), 5);
  EXPECT_LT(span.back(), image.width() - 5);
  EXPECT_GT(span.back() - span.front(), image.width() * 9 / 10);

  // Where the hidden lines would cross (x = 50 and x = 25 of the red line's
  // 0..100), only white away from the two drawn.
  auto column = [&](double x) { return span.front() + (span.back() - span.front()) * x / 100; };
  for (const double x : {50.0, 25.0}) {
    for (int y = 0; y < image.height(); y += 3) {
      if (y >= green.front() - 3 && y <= red.back() + 3) continue;
      for (int dx : {-1, 0, 1})
        EXPECT_EQ(image.at(static_cast<int>(column(x)) + dx, y), kWhite)
            << "hidden line at x " << x << ", row " << y;
    }
  }
}

TEST_F(Plot, FormatsByExtensionAndClearRefusals) {
  dir.write("ligne.lsp",
            "(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 10.0 30.0 0.0)))\n"
            "(entmake '((0 . \"TEXT\") (10 1.0 1.0 0.0) (40 . 2.0) (1 . \"Lev\xC3\xA9 %%d\")))\n");
  ASSERT_EQ(run({"--plot", "plan.svg", "ligne.lsp"}).status, 0);
  ASSERT_EQ(run({"--plot", "plan.PDF", "ligne.lsp"}).status, 0);
  const std::string svg = dir.read("plan.svg"), pdf = dir.read("plan.PDF");
  EXPECT_TRUE(svg.rfind("<?xml", 0) == 0 || svg.rfind("<svg", 0) == 0) << svg.substr(0, 40);
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u) << pdf.substr(0, 40);

  // A drawing with nothing in it is a white page, portrait for a tall drawing.
  ASSERT_EQ(run({"--plot", "vide.png", "-e", "(princ)"}).status, 0);
  const Image blank(dir.file("vide.png"));
  ASSERT_TRUE(blank.ok());
  EXPECT_EQ(blank.at(blank.width() / 2, blank.height() / 2), kWhite);
  ASSERT_EQ(run({"--plot", "haut.png", "ligne.lsp"}).status, 0);
  const Image tall(dir.file("haut.png"));
  EXPECT_LT(tall.width(), tall.height());

  // An unknown format is a bad command line; a file that cannot be written
  // fails the run after the scripts, as a save does.
  CadhostRun r = run({"--plot", "plan.bmp", "ligne.lsp"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("format de tracé inconnu pour"), std::string::npos) << r.err;
  EXPECT_FALSE(dir.exists("plan.bmp"));
  r = run({"--plot", "absent/plan.png", "ligne.lsp"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("cadhost: tracé impossible de"), std::string::npos) << r.out;
}

TEST(PlotParts, ExtentsLeaveOutWhatIsNotPlottedAndTakeTextsIn) {
  db::Database d;
  const uint32_t frozen = d.layers.findOrAdd("GELE");
  d.layers.at(frozen).flags = 1;
  add(d, db::EntityType::Line, {{10, {}, {0, 0, 0}}, {11, {}, {10, 5, 0}}});
  add(d, db::EntityType::Line, {{10, {}, {0, 0, 0}}, {11, {}, {1e300, 0, 0}}});
  add(d, db::EntityType::Line, {{10, {}, {-50, -50, 0}}, {11, {}, {0, 0, 0}}}, frozen);
  d.entities[add(d, db::EntityType::Point, {{10, {}, {40, 40, 0}}})].erased = true;
  add(d, db::EntityType::Text, {{10, {}, {20, 0, 0}}, {40, {}, {2, 0, 0}}, {1, "abc", {}}});
  const plot::Box box = plot::plotExtents(d);
  EXPECT_EQ(box.x0, 0);
  EXPECT_LT(box.y0, 0) << "below the text's baseline";
  EXPECT_GT(box.x1, 22);
  EXPECT_EQ(box.y1, 5);
}

TEST(PlotParts, PageTransformFitsAndSurvivesDegenerateExtents) {
  plot::Box wide;
  wide.add(0, 0);
  wide.add(100, 50);
  const plot::PageTransform fit(wide, 1000, 500, 10);
  EXPECT_DOUBLE_EQ(fit.y(50) - fit.y(0), -480) << "the height fills the page, y up";
  EXPECT_DOUBLE_EQ(fit.x(0) + fit.x(100), 1000) << "centred";
  plot::Box point;
  point.add(5, 5);
  const plot::PageTransform one(point, 1000, 500, 10);
  EXPECT_DOUBLE_EQ(one.x(5), 500);
  EXPECT_DOUBLE_EQ(one.y(5), 250);
  EXPECT_GT(one.scale(), 0);
  const plot::PageTransform none(plot::Box(), 1000, 500, 10);
  EXPECT_TRUE(std::isfinite(none.scale()) && none.scale() > 0);
}

TEST(PlotParts, TextAnchorCodesAndBadBytes) {
  db::Database d;
  const size_t centred = add(d, db::EntityType::Text,
                             {{10, {}, {0, 0, 0}},
                              {40, {}, {2, 0, 0}},
                              {1, "45%%d \xff!\x01", {}},
                              {72, {}, {1, 0, 0}},
                              {11, {}, {7, 8, 0}}});
  plot::TextItem t;
  ASSERT_TRUE(plot::readText(d, d.entities[centred], t));
  EXPECT_EQ(t.text, "45\u00b0 ?!");
  EXPECT_EQ(t.x, 7);
  EXPECT_EQ(t.y, 8);
  double u, v;
  t.baselineStart(10, u, v);
  EXPECT_EQ(u, -5);
  EXPECT_EQ(v, 0);
  const size_t flat =
      add(d, db::EntityType::Text, {{10, {}, {0, 0, 0}}, {40, {}, {0, 0, 0}}, {1, "x", {}}});
  EXPECT_FALSE(plot::readText(d, d.entities[flat], t));
}

TEST(PlotParts, FaceEdgesHiddenByTheirFlags) {
  // A square face with its first and third edges (bottom, top) hidden.
  db::Database d;
  add(d, db::EntityType::Face3d,
      {{10, {}, {0, 0, 0}},
       {11, {}, {10, 0, 0}},
       {12, {}, {10, 10, 0}},
       {13, {}, {0, 10, 0}},
       {70, {}, {5, 0, 0}}});
  ScratchDir dir;
  {
    std::ofstream out(dir.file("face.png"), std::ios::binary);
    std::string error;
    ASSERT_TRUE(plot::writePlot(d, plot::Format::Png, out, error)) << error;
  }
  const Image image(dir.file("face.png"));
  ASSERT_TRUE(image.ok());
  const std::vector<int> black = image.columnsOf(image.height() / 2, 0x000000);
  ASSERT_FALSE(black.empty());
  EXPECT_LT(black.front(), image.width() / 3);
  EXPECT_GT(black.back(), image.width() * 2 / 3);
  EXPECT_TRUE(image.rowsOf(image.width() / 2, 0x000000).empty());
}

TEST(AciColours, StandardTableOnWhitePaper) {
  using plot::aciColour;
  using plot::Rgb;
  EXPECT_EQ(aciColour(1), (Rgb{255, 0, 0}));
  EXPECT_EQ(aciColour(7), (Rgb{0, 0, 0})) << "white on screen, black on paper";
  EXPECT_EQ(aciColour(10), (Rgb{255, 0, 0}));
  EXPECT_EQ(aciColour(13), (Rgb{204, 102, 102}));
  EXPECT_EQ(aciColour(17), (Rgb{127, 63, 63}));
  EXPECT_EQ(aciColour(30), (Rgb{255, 127, 0}));
  EXPECT_EQ(aciColour(96), (Rgb{0, 127, 0}));
  EXPECT_EQ(aciColour(151), (Rgb{127, 191, 255}));
  EXPECT_EQ(aciColour(240), (Rgb{255, 0, 63}));
  EXPECT_EQ(aciColour(251), (Rgb{91, 91, 91}));
  EXPECT_EQ(aciColour(255), (Rgb{255, 255, 255}));
  EXPECT_EQ(aciColour(0), (Rgb{0, 0, 0}));
  EXPECT_EQ(aciColour(300), (Rgb{0, 0, 0}));
}

}  // namespace
