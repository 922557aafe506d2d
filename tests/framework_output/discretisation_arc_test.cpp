// Arcs of polyline segments turned into points.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "dessin_essai.h"
#include "framework/discretisation_arc.h"

namespace {

using framework::discretiseArc;
using framework::Point3D;
using std::numbers::pi;

class DiscretisationArc : public DessinEssai {};

// The bulge of an arc of included angle `angle`.
double renflement(double angle) { return std::tan(angle / 4); }

TEST_F(DiscretisationArc, NombreDePointsParDefaut) {
  // n = 5 * floor(angle / (pi/4)) + 5 segments; the steps within pi/64 of the end are left out.
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 0).size(), 26u);  // n 25, 24 inside
  EXPECT_EQ(discretiseArc({0, 0, 0}, {1, 1, 0}, renflement(pi / 2), 0).size(), 16u);       // n 15
  EXPECT_EQ(discretiseArc({0, 0, 0}, {1, 0, 0}, renflement(pi / 8), 0).size(), 6u);        // n 5
  EXPECT_EQ(discretiseArc({0, 0, 0}, {1, 0, 0}, renflement(3 * pi / 2), -1).size(), 36u);  // n 35
  EXPECT_EQ(ligne(), "");
}

TEST_F(DiscretisationArc, PointsSurLArcDansLeSensDuRenflement) {
  const auto direct = discretiseArc({0, 0, 0}, {2, 0, 10}, 1, 0);
  const auto inverse = discretiseArc({0, 0, 0}, {2, 0, 10}, -1, 0);
  ASSERT_EQ(direct.size(), inverse.size());
  attendPoint(direct.front(), {0, 0, 0});
  attendPoint(direct.back(), {2, 0, 10});
  for (size_t i = 1; i + 1 < direct.size(); ++i) {
    EXPECT_NEAR(std::hypot(direct[i][0] - 1, direct[i][1]), 1, 1e-9);
    EXPECT_LT(direct[i][1], 0) << "counter-clockwise from the left end";
    attendPoint(inverse[i], {direct[i][0], -direct[i][1], direct[i][2]});
    EXPECT_NEAR(direct[i][2], 10.0 * i / 25, 1e-9);
  }
  // A quarter turn clockwise from (0,0) to (1,1) turns about (1,0).
  const auto quart = discretiseArc({0, 0, 0}, {1, 1, 0}, -renflement(pi / 2), 0);
  for (const Point3D& p : quart) EXPECT_NEAR(std::hypot(p[0] - 1, p[1]), 1, 1e-9);
}

TEST_F(DiscretisationArc, AucunPointPresDeLaFin) {
  for (double b : {0.1, 0.5, 1.0, 3.0, -2.0}) {
    const double angle = 4 * std::atan(std::fabs(b));
    const auto points = discretiseArc({0, 0, 0}, {3, 0, 0}, b, 0.01);
    ASSERT_GE(points.size(), 3u);
    const Point3D& avantDernier = points[points.size() - 2];
    const double corde = std::hypot(avantDernier[0] - 3, avantDernier[1]);
    const double rayon = 3 * (1 + b * b) / (4 * std::fabs(b));
    const double ecart = 2 * std::asin(corde / (2 * rayon));
    EXPECT_GE(ecart, pi / 64 - 1e-12) << "bulge " << b;
    EXPECT_LE(ecart, pi / 64 + 0.01 / rayon + 1e-12) << "bulge " << b;
    EXPECT_LE(points.size(), static_cast<size_t>(angle * rayon / 0.01) + 2);
  }
}

TEST_F(DiscretisationArc, PasDonneOuReglage) {
  // Half a circle of radius 1: step 0.5 gives 6 points inside (3.0 < pi - pi/64).
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 0.5).size(), 8u);
  framework::reglageDiscArc() = 0.5;
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 0).size(), 8u);
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 0.25).size(), 14u) << "a given step wins";
  // Below -1: a number of segments (4 over half a turn, the last too near the end).
  framework::reglageDiscArc() = -4;
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 0).size(), 5u);
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, -10).size(), 11u);
  framework::reglageDiscArc() = -1;
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 0).size(), 26u);
  framework::reglageDiscArc() = -0.5;
  EXPECT_EQ(discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 0).size(), 26u);
}

TEST_F(DiscretisationArc, SegmentDroitOuRayonNul) {
  EXPECT_EQ(discretiseArc({0, 0, 0}, {5, 0, 0}, 0, 0).size(), 2u);
  EXPECT_EQ(ligne(), "");
  const auto points = discretiseArc({1, 1, 0}, {1, 1, 5}, 1, 0);
  ASSERT_EQ(points.size(), 2u);
  attendPoint(points[1], {1, 1, 5});
  EXPECT_EQ(ligne(), "Erreur de calcul d'arc avec rayon nul\n");
}

TEST_F(DiscretisationArc, PasMinusculeBorne) {
  const auto points = discretiseArc({0, 0, 0}, {2, 0, 0}, 1, 1e-12);
  EXPECT_LE(points.size(), 100002u);
  EXPECT_GT(points.size(), 1000u);
}

}  // namespace
