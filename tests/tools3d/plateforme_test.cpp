// Platform edges: the profile completed at the stations, heights following
// the alignment or graded, and the points sent to the host.
#include <gtest/gtest.h>

#include <cmath>

#include "tools3d/plateforme.h"

namespace {

using namespace tools3d;

std::vector<double> abscisses(const std::vector<PROFIL_PLATEFORME>& f) {
  std::vector<double> a;
  for (const auto& p : f) a.push_back(p.abscisse);
  return a;
}

TEST(Plateforme, ProfilCompleteAuxStations) {
  const std::vector<PROFIL_PLATEFORME> profil = {{0, 5, 0}, {100, 5, 1}};
  auto f = fusionneProfil(profil, {{0, 0}, {50, 0}, {100, 0}});
  ASSERT_EQ(abscisses(f), (std::vector<double>{0, 50, 100}));
  EXPECT_DOUBLE_EQ(f[1].hauteur, 0.5);
  EXPECT_DOUBLE_EQ(f[1].decalage, 5);
  // A station of kind -5 adds nothing of its own.
  f = fusionneProfil(profil, {{0, 0}, {50, -5}, {100, 0}});
  EXPECT_EQ(abscisses(f), (std::vector<double>{0, 100}));
  // Profile points between stations are taken on the way.
  f = fusionneProfil({{0, 5, 0}, {30, 6, 0}, {100, 5, 1}}, {{0, 0}, {50, 0}});
  EXPECT_EQ(abscisses(f), (std::vector<double>{0, 30, 50}));
  // Stations beyond the profile's end: the walk stops instead of spinning.
  f = fusionneProfil(profil, {{0, 0}, {150, 0}, {200, 0}, {300, 0}});
  EXPECT_EQ(abscisses(f), (std::vector<double>{0, 100}));
  // A profile of one record, at a station or not.
  EXPECT_EQ(abscisses(fusionneProfil({{50, 2, 1}}, {{0, 0}, {50, 0}, {80, 0}})),
            (std::vector<double>{50}));
  EXPECT_EQ(abscisses(fusionneProfil({{50, 2, 1}}, {{0, 0}, {80, 0}})), (std::vector<double>{50}));
  EXPECT_TRUE(fusionneProfil({}, {{0, 0}}).empty());
}

TEST(Plateforme, HauteursSuiviesOuGraduees) {
  const auto f = fusionneProfil({{0, 5, 0}, {50, 5, 1}}, {{0, 0}, {50, 0}});
  std::vector<POINT_AXE_PLATEFORME> axe = {
      {0, M_PI / 2, {0, 0, 10}}, {25, M_PI / 2, {25, 0, 10}}, {50, M_PI / 2, {50, 0, 10}}};
  for (bool gradue : {false, true}) {
    const auto b = pointsBord(axe, f, gradue);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_NEAR(b[1][1], 5, 1e-12);
    EXPECT_DOUBLE_EQ(b[0][2], 10);
    EXPECT_DOUBLE_EQ(b[1][2], 10.5);
    EXPECT_DOUBLE_EQ(b[2][2], 11);
  }
  axe[1].point[2] = 14;
  axe[2].point[2] = 12;
  EXPECT_DOUBLE_EQ(pointsBord(axe, f, false)[1][2], 14.5);
  EXPECT_DOUBLE_EQ(pointsBord(axe, f, true)[1][2], 11.5);
  // No alignment record at a profile point: found by its abscissa, not by step.
  axe.erase(axe.begin() + 2);
  axe.push_back({40, M_PI / 2, {40, 0, 12}});
  EXPECT_DOUBLE_EQ(pointsBord(axe, f, false)[2][2], 12.8);
}

TEST(Plateforme, PointsTropProchesNonEnvoyes) {
  const std::vector<Point3D> bord = {{0, 0, 0}, {0.05, 0, 0}, {1, 0, 0}, {1.05, 0, 0}, {1.1, 0, 0}};
  const auto e = pointsEnvoyes(bord);
  // The first stays; (1, 0) and (1.05, 0) are each 0.05 from the next; the last stays.
  ASSERT_EQ(e.size(), 3u);
  EXPECT_DOUBLE_EQ(e[1][0], 0.05);
  EXPECT_DOUBLE_EQ(e[2][0], 1.1);
}

}  // namespace
