// Slope hatching: station spacing and placement, the toe reached, the pattern.
#include <gtest/gtest.h>

#include <cmath>

#include "tools3d/talus.h"

namespace {

using namespace tools3d;

TEST(Talus, EspacementSelonEchelle) {
  const std::pair<int, double> attendus[] = {{150, 0.125},   {151, 0.2},     {350, 0.2},
                                             {351, 1.0 / 3}, {750, 1.0 / 3}, {751, 0.5},
                                             {1500, 0.5},    {1501, 1.0}};
  for (const auto& [echelle, pas] : attendus)
    EXPECT_DOUBLE_EQ(pasStations(echelle), pas) << echelle;
}

TEST(Talus, StationsMesureesEnPlanSurLaCrete) {
  // One segment 1.2 long: 0, 0.5, 1.0, z along the segment.
  auto s = stationsCrete({{0, 0, 10}, {1.2, 0, 11.2}}, 0.5);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_DOUBLE_EQ(s[1].point[0], 0.5);
  EXPECT_DOUBLE_EQ(s[2].point[2], 11.0);
  // Segments 0.3 and 0.9 (then turning north): 0, 0.2 into the second, 1.0.
  s = stationsCrete({{0, 0, 0}, {0.3, 0, 0}, {1.2, 0, 0}, {1.2, 5, 0}}, 0.5);
  ASSERT_GE(s.size(), 3u);
  EXPECT_EQ(s[1].segment, 1u);
  EXPECT_NEAR(s[1].point[0], 0.5, 1e-12);
  EXPECT_NEAR(s[2].point[0], 1.0, 1e-12);
  // A station exactly on the corner vertex (1.2) takes the next segment's direction.
  s = stationsCrete({{0, 0, 0}, {1.2, 0, 0}, {1.2, 5, 0}}, 0.4);
  ASSERT_GE(s.size(), 4u);
  EXPECT_NEAR(s[3].point[0], 1.2, 1e-12);
  EXPECT_EQ(s[3].dx, 0);
  EXPECT_EQ(s[3].dy, 1);
  EXPECT_EQ(s[2].dx, 1);
  // Nothing for a crest of one vertex or a null spacing.
  EXPECT_TRUE(stationsCrete({{0, 0, 0}}, 0.5).empty());
  EXPECT_TRUE(stationsCrete({{0, 0, 0}, {1, 0, 0}}, 0).empty());
}

TEST(Talus, PiedLePlusProcheDesDeuxCotes) {
  STATION_CRETE st;
  st.point = {5, 0, 10};
  // Toes 4 to the south (z 2 to 6 along x) and 3 to the north: the north one wins.
  std::vector<PIED_TALUS> pieds = {{{0, -4, 2}, {10, -4, 6}}, {{0, 3, 1}, {10, 3, 1}}};
  STATION_TALUS r;
  ASSERT_TRUE(piedLePlusProche(st, pieds, r));
  EXPECT_DOUBLE_EQ(r.longueurPlan, 3);
  EXPECT_DOUBLE_EQ(r.pied[1], 3);
  // Equally near on both sides: the earlier toe; z interpolated along it.
  pieds[1] = {{0, 4, 1}, {10, 4, 1}};
  ASSERT_TRUE(piedLePlusProche(st, pieds, r));
  EXPECT_DOUBLE_EQ(r.pied[1], -4);
  EXPECT_NEAR(r.pied[2], 4, 1e-9);
  // Beyond the probe's 10,000 units: nothing.
  EXPECT_FALSE(piedLePlusProche(st, {{{0, 20000, 0}, {10, 20000, 0}}}, r));
}

STATION_TALUS station(double longueur) {
  return {{0, 0, 10}, {0, -longueur, 10 - longueur}, longueur};
}

TEST(Talus, MotifDesQuatreLignes) {
  // Plan length 4, L = 1: C-1, 1.5-T, C-1, nothing.
  auto l = lignesHachures({station(4), station(4), station(4), station(4)}, 1);
  ASSERT_EQ(l.size(), 3u);
  EXPECT_DOUBLE_EQ(l[0].second[1], -1);
  EXPECT_DOUBLE_EQ(l[0].second[2], 9);  // z along the slope
  EXPECT_DOUBLE_EQ(l[1].first[1], -1.5);
  EXPECT_DOUBLE_EQ(l[1].second[1], -4);
  // Plan length 30: the two counter-4 records shifted by 6 L.
  std::vector<STATION_TALUS> huit(8, station(30));
  l = lignesHachures(huit, 1);
  std::vector<std::pair<double, double>> tirets;
  for (const auto& [a, b] : l)
    if (-a[1] > 5) tirets.emplace_back(-a[1], -b[1]);
  const std::vector<std::pair<double, double>> attendus = {
      {5.5, 10.5}, {17.5, 22.5}, {29.5, 30}, {11.5, 16.5}, {23.5, 28.5}};
  EXPECT_EQ(tirets, attendus);
  // A skipped length unit draws nothing rather than looping.
  EXPECT_TRUE(lignesHachures(huit, 0).empty());
  EXPECT_TRUE(lignesHachures(huit, -1).empty());
}

}  // namespace
