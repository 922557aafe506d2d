// Colour bands: the lookup at the bounds, the colour arithmetic and the
// gradient and stepping buttons of the colour band dialog.
#include <gtest/gtest.h>

#include "dem/bandes_couleur.h"
#include "dem/couleurs_index.h"

namespace dem {
namespace {

TEST(Bandes, LookupAtTheBoundsOfTheDefaultTable) {
  const TableBandes& t = bandesParDefaut();
  EXPECT_EQ(couleurBande(t, {100, 150, 170}), 53);  // mean 140
  EXPECT_EQ(couleurBande(t, {80, 80}), 53);         // a bound is not above itself
  EXPECT_EQ(couleurBande(t, {79, 80}), 51);         // mean 79.5 truncated
  EXPECT_EQ(couleurBande(t, {9000}), 0);
  EXPECT_EQ(couleurBande(t, {7999.9}), 255);
  // Sea level counts: the mean of 150, 150 and 0 is 100, not 150.
  EXPECT_EQ(couleurBande(t, {150, 150, 0}), 53);
  EXPECT_EQ(couleurBande(t, {300, 300, 0}), 55);
  EXPECT_EQ(couleurBande(t, {0}), 51);
}

TEST(Bandes, ColourArithmetic) {
  EXPECT_EQ(composantes(1), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(composantes(8), (std::array<int, 3>{128, 128, 128}));
  EXPECT_EQ(composantes(10), (std::array<int, 3>{255, 0, 0}));      // hue 0, full
  EXPECT_EQ(composantes(11), (std::array<int, 3>{255, 128, 128}));  // half saturation
  EXPECT_EQ(composantes(14), (std::array<int, 3>{128, 0, 0}));      // shade 2: 0.5
  EXPECT_EQ(composantes(50), (std::array<int, 3>{255, 255, 0}));    // h = 1
  EXPECT_EQ(composantes(250), (std::array<int, 3>{84, 84, 84}));
  EXPECT_EQ(composantes(255), (std::array<int, 3>{255, 255, 255}));  // 0.33 + 5 * 0.134 capped
  EXPECT_EQ(composantes(300), (std::array<int, 3>{255, 255, 255}));
  // Every index is its own nearest, but where two indices share a colour the
  // lower wins (1 and 10 are both pure red).
  EXPECT_EQ(indexProche(couleurIndex(10)), 1);
  EXPECT_EQ(indexProche(couleurIndex(130)), 4);  // cyan
  EXPECT_EQ(indexProche(couleurIndex(21)), 21);
  EXPECT_EQ(indexInterpole(30, 130, 0, 6), 30);
  EXPECT_EQ(indexInterpole(30, 130, 6, 6), 4);
  EXPECT_EQ(indexInterpole(250, 255, 2, 5), 252);  // grey 0.33 + 2 * 0.134
}

TEST(Bandes, GradientButtons) {
  TableBandes t = bandesParDefaut();
  t[0].couleur = 10;
  ASSERT_TRUE(degrade(t));
  const int attendu[] = {12, 14, 20, 22, 24, 30};
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(t[n].couleur, attendu[n - 1]) << n;
  TableBandes depuis1 = bandesParDefaut();
  depuis1[0].couleur = 1;
  ASSERT_TRUE(degrade(depuis1));
  EXPECT_EQ(depuis1[1].couleur, 12);
  EXPECT_EQ(depuis1[0].couleur, 1);
  // From 231: 233, 235, then hue 240 is skipped for 10 (odd kept).
  t[0].couleur = 231;
  ASSERT_TRUE(degrade(t));
  EXPECT_EQ(t[1].couleur, 233);
  EXPECT_EQ(t[2].couleur, 235);
  EXPECT_EQ(t[3].couleur, 11);
  TableBandes refus = bandesParDefaut();
  refus[0].couleur = 17;
  const TableBandes avant = refus;
  EXPECT_FALSE(degrade(refus));
  EXPECT_EQ(refus, avant);

  // Between bands 2 and 7: bands 3 to 6 at 1/6 to 4/6; nothing the other way.
  TableBandes g = bandesParDefaut();
  g[2].couleur = 30;
  g[7].couleur = 130;
  TableBandes inverse = g;
  degradeEntre(g, 2, 7);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(g[2 + j].couleur, indexInterpole(30, 130, j, 6)) << j;
  EXPECT_NE(g[3].couleur, g[6].couleur);
  EXPECT_EQ(g[7].couleur, 130);
  degradeEntre(inverse, 7, 2);
  EXPECT_EQ(inverse[3].couleur, bandesParDefaut()[3].couleur);
}

TEST(Bandes, RegularAltitudeSteps) {
  TableBandes t = bandesParDefaut();
  const PasAltitude initial = pasInitial(t);
  EXPECT_EQ(initial.bas, 80);
  EXPECT_EQ(initial.pas, 80);
  EXPECT_EQ(initial.haut, 8000);
  appliquerPas(t, {100, 50, 500});
  for (int i = 0; i < kNombreBandes; ++i) EXPECT_EQ(t[i].borne, i <= 8 ? 100 + 50 * i : 500) << i;
  // The last band always ends at the top, even below it.
  appliquerPas(t, {0, 10, 100000});
  EXPECT_EQ(t[28].borne, 280);
  EXPECT_EQ(t[29].borne, 100000);
}

}  // namespace
}  // namespace dem
