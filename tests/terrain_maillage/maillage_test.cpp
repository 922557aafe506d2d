// The terrain mesh on small hand-checked figures: merging, splitting, the
// triangulation's invariants, heights on planes far from the origin, the grid.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <set>
#include <utility>

#include "capture_erreurs.h"
#include "terrain/construction_maillage.h"
#include "terrain/maillage.h"
#include "terrain/pointgrp.h"

namespace {

using terrain::MAILLAGE;
using terrain::PARAMETRES_CONSTRUCTION;
using terrain::VECTEUR;

// Corners of a triangle as a sorted pair set of its edges (by effective point).
std::set<std::pair<const terrain::PT_MAILLE*, const terrain::PT_MAILLE*>> aretes(
    const MAILLAGE& m) {
  std::set<std::pair<const terrain::PT_MAILLE*, const terrain::PT_MAILLE*>> e;
  for (const terrain::TRI_MAILLE* t : m.triangles())
    for (size_t k = 0; k < 3; ++k) {
      const auto* a = t->p[k]->effectif();
      const auto* b = t->p[(k + 1) % 3]->effectif();
      e.insert(a < b ? std::make_pair(a, b) : std::make_pair(b, a));
    }
  return e;
}

TEST(Maillage, CoincidentPointsReconcileTheirHeights) {
  MAILLAGE m;
  m.ajoutePoint(VECTEUR(0, 0, 10.0));
  m.ajoutePoint(VECTEUR(0.001, 0, 10.001));  // within the tolerance: the first height stays
  m.ajoutePoint(VECTEUR(5, 5, -9999.0));     // no height: takes the next one's
  m.ajoutePoint(VECTEUR(5.002, 5, 7.0));
  m.ajoutePoint(VECTEUR(9, 0, 1.0));
  m.fusionnePoints();
  ASSERT_EQ(m.points().size(), 3u);
  double z = 0;
  for (const terrain::PT_MAILLE* p : m.points()) {
    if (p->x < 1) z = p->z;
    if (p->y > 1) {
      EXPECT_DOUBLE_EQ(p->z, 7.0);
    }
  }
  EXPECT_DOUBLE_EQ(z, 10.0);

  // A conflict without the double-Z option, with a label: the mean and one line.
  MAILLAGE q(terrain::kMailleurQuoril);
  q.ajoutePoint(VECTEUR(1, 1, 10.0));
  q.ajoutePoint(VECTEUR(1, 1, 10.01));
  q.fusionnePoints();
  ASSERT_EQ(q.points().size(), 1u);
  EXPECT_DOUBLE_EQ(q.points()[0]->z, 10.005);
  EXPECT_EQ(q.problemes(), "FusionPoint, Conflit dZ=0.010 sur 1.000,1.000 Moyenne => 10.005\r\n");

  // With the double-Z option the two heights make a pair.
  MAILLAGE d;
  d.doubleZ = true;
  d.ajoutePoint(VECTEUR(1, 1, 10.0));
  d.ajoutePoint(VECTEUR(1, 1, 12.0));
  d.fusionnePoints();
  ASSERT_EQ(d.points().size(), 1u);
  EXPECT_EQ(d.nombreDoubleZ(), 1u);
  EXPECT_DOUBLE_EQ(d.points()[0]->jumeau->z + d.points()[0]->z, 22.0);
}

TEST(Maillage, CrossingBreaklinesAreSplitAtAPointOnTheFirst) {
  MAILLAGE m;
  m.trouveSegment(VECTEUR(0, 0, 0), VECTEUR(10, 10, 10), true);
  m.trouveSegment(VECTEUR(0, 10, 5), VECTEUR(10, 0, 5), true);
  m.decoupeSegments();
  EXPECT_EQ(m.segments().size(), 4u);
  const terrain::PT_MAILLE* centre = m.trouvePoint(VECTEUR(5, 5, 0), false, nullptr, true);
  ASSERT_NE(centre, nullptr);
  int touchent = 0;
  for (const terrain::SEG_MAILLE* s : m.segments())
    touchent += s->a->effectif() == centre || s->b->effectif() == centre;
  EXPECT_EQ(touchent, 4);
  EXPECT_DOUBLE_EQ(centre->z, 5.0);
  EXPECT_TRUE(m.problemes().empty());

  // Crossing at other heights: one conflict, reported once, at the mean.
  MAILLAGE conflit;
  conflit.trouveSegment(VECTEUR(0, 0, 0), VECTEUR(10, 10, 10), true);
  conflit.trouveSegment(VECTEUR(0, 10, 100), VECTEUR(10, 0, 100), true);
  conflit.decoupeSegments();
  const terrain::PT_MAILLE* x = conflit.trouvePoint(VECTEUR(5, 5, 0), false, nullptr, true);
  ASSERT_NE(x, nullptr);
  EXPECT_DOUBLE_EQ(x->z, 52.5);
  EXPECT_EQ(conflit.problemes(),
            "InterSeg, Conflit dZ=95.000 sur 5.000,5.000 Moyenne => 52.500\r\n");

  // The split after a merge takes the merged points as they are; a point
  // added since is still found among them (a double-Z pair here).
  MAILLAGE apres;
  apres.doubleZ = true;
  apres.trouveSegment(VECTEUR(0, 0, 0), VECTEUR(10, 10, 10), true);
  apres.ajoutePoint(VECTEUR(0, 0, 0.001));
  apres.fusionnePoints();
  ASSERT_EQ(apres.points().size(), 2u);
  apres.ajoutePoint(VECTEUR(10, 10, 14.0));
  apres.decoupeSegments();
  EXPECT_EQ(apres.points().size(), 2u);
  EXPECT_EQ(apres.nombreDoubleZ(), 1u);
  EXPECT_EQ(apres.segments().size(), 1u);
}

TEST(Maillage, ConvexPositionGivesEulersCountAndBreaklinesAreEdges) {
  // n hull points and i inside: 2(n + i) - 2 - n triangles.
  MAILLAGE m;
  const int n = 12;
  for (int k = 0; k < n; ++k) {
    const double a = 2 * M_PI * k / n;
    m.ajoutePoint(VECTEUR(600000.0 + 50 * std::cos(a), 6500000.0 + 50 * std::sin(a), 100.0 + k));
  }
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> u(-20, 20);
  for (int k = 0; k < 30; ++k) m.ajoutePoint(VECTEUR(600000.0 + u(gen), 6500000.0 + u(gen), 90.0));
  m.trouveSegment(VECTEUR(600000.0 - 30, 6500000.0 - 1, 95),
                  VECTEUR(600000.0 + 30, 6500000.0 + 2, 95), true);
  m.trouveSegment(VECTEUR(600000.0 - 2, 6500000.0 - 30, 95),
                  VECTEUR(600000.0 + 1, 6500000.0 + 30, 95), true);
  PARAMETRES_CONSTRUCTION p;
  p.distanceMax = 0;
  ASSERT_TRUE(terrain::construitMaillage(m, p));
  const size_t points = m.points().size();
  EXPECT_EQ(m.triangles().size(), 2 * points - 2 - n);
  const auto e = aretes(m);
  for (const terrain::SEG_MAILLE* s : m.segments()) {
    const auto* a = s->a->effectif();
    const auto* b = s->b->effectif();
    EXPECT_TRUE(e.count(a < b ? std::make_pair(a, b) : std::make_pair(b, a)))
        << "segment " << *a << " - " << *b << " is not an edge";
  }
}

TEST(Maillage, HeightsAreExactOnAPlaneFarFromTheOriginHullIncluded) {
  auto plan = [](double x, double y) { return 0.3 * (x - 600000.0) - 0.2 * (y - 2400000.0) + 5.0; };
  MAILLAGE m;
  for (int i = 0; i <= 10; ++i)
    for (int j = 0; j <= 10; ++j) {
      const double x = 600000.0 + i * 7.3, y = 2400000.0 + j * 5.1;
      m.ajoutePoint(VECTEUR(x, y, plan(x, y)));
    }
  PARAMETRES_CONSTRUCTION p;
  p.distanceMax = 0;
  ASSERT_TRUE(terrain::construitMaillage(m, p));
  std::mt19937 gen(3);
  std::uniform_real_distribution<double> ux(0, 73), uy(0, 51);
  for (int k = 0; k < 200; ++k) {
    const double x = 600000.0 + ux(gen), y = 2400000.0 + uy(gen);
    double z = 0;
    ASSERT_TRUE(m.zEn(x, y, z)) << x << " " << y;
    EXPECT_NEAR(z, plan(x, y), 1e-6);
  }
  // Survey points on the hull's left and bottom edges have their height.
  double z = 0;
  ASSERT_TRUE(m.zEn(600000.0, 2400000.0 + 3 * 5.1, z));
  EXPECT_NEAR(z, plan(600000.0, 2400000.0 + 3 * 5.1), 1e-9);
  ASSERT_TRUE(m.zEn(600000.0 + 4 * 7.3, 2400000.0, z));
  EXPECT_NEAR(z, plan(600000.0 + 4 * 7.3, 2400000.0), 1e-9);
  EXPECT_FALSE(m.zEn(600000.0 - 1, 2400000.0, z));
}

TEST(Maillage, GridSizeDistanceFilterAndLimitPolygon) {
  MAILLAGE m;
  for (int k = 0; k < 1000; ++k) m.ajoutePoint(VECTEUR(k % 40, k / 40 * 1.0, 0.0));
  m.construitGrille();
  EXPECT_EQ(m.grille().cotes(), 11);

  // A maximum distance drops the long thin triangles of the hull; 0 keeps all.
  auto construit = [](double distance, std::vector<VECTEUR> limite) {
    auto t = std::make_unique<MAILLAGE>();
    for (int i = 0; i <= 4; ++i)
      for (int j = 0; j <= 4; ++j) t->ajoutePoint(VECTEUR(i, j, 1.0));
    t->ajoutePoint(VECTEUR(40, 2, 1.0));  // far to the east
    PARAMETRES_CONSTRUCTION p;
    p.distanceMax = distance;
    p.limite = std::move(limite);
    EXPECT_TRUE(terrain::construitMaillage(*t, p));
    return t;
  };
  auto toucheLoin = [](const MAILLAGE& t) {
    for (const terrain::TRI_MAILLE* tri : t.triangles())
      for (const terrain::PT_MAILLE* p : tri->p)
        if (p->x > 39) return true;
    return false;
  };
  EXPECT_TRUE(toucheLoin(*construit(0, {})));
  const auto filtre = construit(2.0, {});
  EXPECT_EQ(filtre->triangles().size(), 32u);  // the 4 x 4 squares, two triangles each
  EXPECT_FALSE(toucheLoin(*filtre));
  const std::vector<VECTEUR> limite{VECTEUR(-1, -1, 0), VECTEUR(5, -1, 0), VECTEUR(5, 5, 0),
                                    VECTEUR(-1, 5, 0)};
  const auto limitee = construit(0, limite);
  EXPECT_FALSE(toucheLoin(*limitee));
  for (const terrain::TRI_MAILLE* t : limitee->triangles())
    EXPECT_TRUE(terrain::POINTGRP::interieur(limite, t->centre()));
}

TEST(Maillage, TooFewPointsFailWithoutTriangles) {
  MAILLAGE m;
  m.ajoutePoint(VECTEUR(0, 0, 1));
  m.ajoutePoint(VECTEUR(1, 0, 1));
  m.ajoutePoint(VECTEUR(1, 0.0001, 1));  // merged with the second
  EXPECT_FALSE(terrain::construitMaillage(m, PARAMETRES_CONSTRUCTION{}));
  EXPECT_EQ(m.triangles().size(), 0u);
  MAILLAGE alignes;
  for (int k = 0; k < 5; ++k) alignes.ajoutePoint(VECTEUR(k, 2 * k, 1));
  terrain::construitMaillage(alignes, PARAMETRES_CONSTRUCTION{});
  EXPECT_EQ(alignes.triangles().size(), 0u);
}

TEST(Maillage, BadLimitsAndHugeCoordinatesAreRefusedWithAMessage) {
  auto grille = [](MAILLAGE& m, double x0) {
    for (int i = 0; i <= 3; ++i)
      for (int j = 0; j <= 3; ++j) m.ajoutePoint(VECTEUR(x0 + i, j, 1.0));
  };
  CaptureErreurs erreurs;
  MAILLAGE plat;
  grille(plat, 0);
  PARAMETRES_CONSTRUCTION p;
  p.distanceMax = 0;
  p.limite = {VECTEUR(0, 0, 0), VECTEUR(3, 3, 0), VECTEUR(0, 0, 0)};  // no area
  EXPECT_TRUE(terrain::construitMaillage(plat, p));
  EXPECT_EQ(plat.triangles().size(), 18u);  // the limit ignored
  // A self-crossing limit (a bow tie) is a limit all the same.
  MAILLAGE noeud;
  grille(noeud, 0);
  p.limite = {VECTEUR(-1, -1, 0), VECTEUR(4, 4, 0), VECTEUR(4, -1, 0), VECTEUR(-1, 4, 0)};
  EXPECT_TRUE(terrain::construitMaillage(noeud, p));
  EXPECT_GT(noeud.triangles().size(), 0u);
  MAILLAGE enorme;
  grille(enorme, 1e300);
  EXPECT_FALSE(terrain::construitMaillage(enorme, PARAMETRES_CONSTRUCTION{}));
  EXPECT_EQ(enorme.triangles().size(), 0u);
  const std::string sortie = erreurs.texte();
  EXPECT_NE(sortie.find("Polygone limite dégénéré : ignoré"), std::string::npos) << sortie;
  EXPECT_NE(sortie.find("coordonnées hors de portée"), std::string::npos) << sortie;
}

}  // namespace
