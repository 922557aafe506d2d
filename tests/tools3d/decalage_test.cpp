// Offsets: sides, corners, loops cut off, the ramp and the part between two points.
#include <gtest/gtest.h>

#include <cmath>

#include "tools3d/decalage.h"

namespace {

using namespace tools3d;

void pointsProches(const Point3D& a, const Point3D& b) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(a[i], b[i], 1e-9) << i;
}

TEST(Decalage, DeuxSommetsDesDeuxCotes) {
  const std::vector<Point3D> droite = {{0, 0, 10}, {10, 0, 12}};
  EXPECT_EQ(coteDecalage(droite[0], droite[1], {5, 5, 0}), 1);
  EXPECT_EQ(coteDecalage(droite[0], droite[1], {5, -5, 0}), -1);
  auto r = decale(droite, 1, 1, 0.5);
  ASSERT_EQ(r.size(), 2u);
  pointsProches(r[0], {0, 1, 10.5});
  pointsProches(r[1], {10, 1, 12.5});
  r = decale(droite, 1, -1, 0.5);
  pointsProches(r[1], {10, -1, 12.5});
  // Heading west, a point to the north is on the right.
  EXPECT_EQ(coteDecalage({10, 0, 0}, {0, 0, 0}, {5, 5, 0}), -1);
}

TEST(Decalage, CoinsEtBoucles) {
  int sommets = 0;
  auto r = decale({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}, 1, 1, 0, [&](int) { ++sommets; });
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(sommets, 1);
  pointsProches(r[1], {9, 1, 0});
  // Right turn offset to the right: (11, -1).
  r = decale({{0, 0, 0}, {10, 0, 0}, {10, -10, 0}}, 1, -1, 0);
  pointsProches(r[1], {9, -1, 0});
  // A narrow zig-zag offset inside: the offset segments cross and the loop goes.
  const std::vector<Point3D> zigzag = {{0, 0, 0}, {10, 0, 0}, {0, 1, 0}, {10, 2, 0}};
  r = decale(zigzag, 2, 1, 0);
  // The last offset segment crossed the first: cut there, about 10 west of the start.
  ASSERT_EQ(r.size(), 3u);
  EXPECT_NEAR(r[1][1], 2, 1e-9);
  EXPECT_NEAR(r[1][0], -10.1, 0.1);
  for (size_t i = 1; i + 1 < r.size(); ++i)
    for (size_t k = i + 2; k < r.size(); ++k) {
      // No two non-adjacent result segments cross.
      const auto& a = r[i - 1];
      const auto& b = r[i];
      const auto& c = r[k - 1];
      const auto& d = r[k];
      const double den = (b[0] - a[0]) * (d[1] - c[1]) - (b[1] - a[1]) * (d[0] - c[0]);
      if (den == 0) continue;
      const double t = ((c[0] - a[0]) * (d[1] - c[1]) - (c[1] - a[1]) * (d[0] - c[0])) / den;
      const double u = ((c[0] - a[0]) * (b[1] - a[1]) - (c[1] - a[1]) * (b[0] - a[0])) / den;
      EXPECT_FALSE(t > 1e-9 && t < 1 - 1e-9 && u > 1e-9 && u < 1 - 1e-9) << i << " " << k;
    }
  // A turn straight back stays finite.
  r = decale({{0, 0, 0}, {10, 0, 0}, {0, 0, 0}}, 1, 1, 0);
  for (const Point3D& p : r) EXPECT_TRUE(std::isfinite(p[0]) && std::isfinite(p[1]));
}

TEST(Decalage, Rampe) {
  std::vector<Point3D> r = {{0, 0, 0}, {5, 0, 0}, {20, 0, 0}};
  appliqueRampe(r, 0, 1);
  EXPECT_DOUBLE_EQ(r[0][2], 0);
  EXPECT_DOUBLE_EQ(r[1][2], 0.25);
  EXPECT_DOUBLE_EQ(r[2][2], 1);
  // No plan length: shared out by rank rather than divided by zero.
  r = {{1, 1, 0}, {1, 1, 5}, {1, 1, 9}};
  appliqueRampe(r, 0, 2);
  EXPECT_DOUBLE_EQ(r[1][2], 6);
  EXPECT_DOUBLE_EQ(r[2][2], 11);
}

bool surSegment(const Point3D& a, const Point3D& b, const Point3D& p, Point3D& x) {
  const double dx = b[0] - a[0], dy = b[1] - a[1];
  const double t = ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / (dx * dx + dy * dy);
  if (t < 0 || t > 1 || std::fabs((p[0] - a[0]) * dy - (p[1] - a[1]) * dx) > 1e-9) return false;
  x = {a[0] + t * dx, a[1] + t * dy, a[2] + t * (b[2] - a[2])};
  return true;
}

TEST(Decalage, PartieEntreDeuxPoints) {
  const std::vector<Point3D> s = {{0, 0, 0}, {10, 0, 10}, {10, 10, 20}, {0, 10, 30}};
  // On one segment: those two points, in the order picked.
  auto p = partie(s, {6, 0, 0}, {2, 0, 0}, surSegment);
  ASSERT_EQ(p.size(), 2u);
  pointsProches(p[0], {6, 0, 6});
  // Across segments, the end picked first: vertex order, z from the segments.
  p = partie(s, {5, 10, 0}, {5, 0, 0}, surSegment);
  ASSERT_EQ(p.size(), 4u);
  pointsProches(p[0], {5, 0, 5});
  pointsProches(p[1], {10, 0, 10});
  pointsProches(p[2], {10, 10, 20});
  pointsProches(p[3], {5, 10, 25});
  // A point picked on a vertex is not repeated.
  p = partie(s, {10, 0, 10}, {10, 5, 15}, surSegment);
  ASSERT_EQ(p.size(), 2u);
  // Off the polyline: nothing.
  EXPECT_TRUE(partie(s, {5, 5, 0}, {5, 0, 0}, surSegment).empty());
}

}  // namespace
