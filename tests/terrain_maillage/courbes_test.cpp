// Contour lines on meshes whose contours are known: a plane through the mesh
// points (each level once), a cone (closed rings), a wall's vertical faces.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "terrain/courbes_niveau.h"
#include "terrain/maillage.h"

namespace {

using terrain::COURBE_NIVEAU;
using terrain::MAILLAGE;
using terrain::VECTEUR;

template <typename Z>
void grille(MAILLAGE& m, int n, double pas, Z z) {
  std::vector<terrain::PT_MAILLE*> p;
  for (int i = 0; i <= n; ++i)
    for (int j = 0; j <= n; ++j)
      p.push_back(
          m.ajoutePoint(VECTEUR(600000.0 + i * pas, 6500000.0 + j * pas, z(i * pas, j * pas))));
  auto at = [&](int i, int j) { return p[static_cast<size_t>(i * (n + 1) + j)]; };
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      m.ajouteTriangle(at(i, j), at(i + 1, j), at(i + 1, j + 1));
      m.ajouteTriangle(at(i, j), at(i + 1, j + 1), at(i, j + 1));
    }
}

TEST(CourbesNiveau, PlaneThroughMeshPointsGivesEachLevelOnce) {
  MAILLAGE m;
  grille(m, 10, 1.0, [](double x, double y) { return 100.0 + x + 0.0 * y; });
  const std::vector<COURBE_NIVEAU> c = terrain::courbesNiveau(m, 1.0);
  std::map<double, int> parNiveau;
  for (const COURBE_NIVEAU& l : c) {
    ++parNiveau[l.z];
    EXPECT_FALSE(l.fermee);
    ASSERT_GE(l.points.size(), 2u);
    for (const VECTEUR& p : l.points) EXPECT_NEAR(p.x - 600000.0, l.z - 100.0, 1e-6) << l.z;
    // The whole width of the square, without a repeated point.
    EXPECT_NEAR(std::fabs(l.points.front().y - l.points.back().y), 10.0, 1e-6);
    for (size_t k = 1; k < l.points.size(); ++k)
      EXPECT_FALSE(l.points[k].egal2D(l.points[k - 1], 1e-9));
  }
  // Levels 101 to 110: each one line (110 along the highest edge).
  ASSERT_EQ(parNiveau.size(), 10u);
  for (const auto& [z, n] : parNiveau) EXPECT_EQ(n, 1) << z;
  EXPECT_TRUE(terrain::courbesNiveau(m, 0.0).empty());
  EXPECT_TRUE(terrain::courbesNiveau(m, -1.0).empty());
}

TEST(CourbesNiveau, ConeGivesClosedRingsAndWallsNothing) {
  MAILLAGE cone;
  grille(cone, 40, 1.0,
         [](double x, double y) { return 10.0 - std::hypot(x - 20.0, y - 20.0) / 2.0; });
  const std::vector<COURBE_NIVEAU> c = terrain::courbesNiveau(cone, 1.0);
  // Levels 1 to 9 lie wholly inside the square: closed rings of radius 2 (10 - z).
  int anneaux = 0;
  for (const COURBE_NIVEAU& l : c) {
    if (l.z < 1.0 || l.z > 9.0) continue;
    ++anneaux;
    EXPECT_TRUE(l.fermee) << l.z;
    for (const VECTEUR& p : l.points)
      EXPECT_NEAR(std::hypot(p.x - 600020.0, p.y - 6500020.0), 2.0 * (10.0 - l.z), 0.6) << l.z;
  }
  EXPECT_EQ(anneaux, 9);

  // A vertical face (no plan area) between the two heights of a wall.
  MAILLAGE mur;
  auto* a = mur.ajoutePoint(VECTEUR(0, 0, 0));
  auto* b = mur.ajoutePoint(VECTEUR(10, 0, 0));
  auto* h = mur.ajoutePoint(VECTEUR(10, 0, 5));
  mur.ajouteTriangle(a, b, h);
  EXPECT_TRUE(terrain::courbesNiveau(mur, 1.0).empty());
}

}  // namespace
