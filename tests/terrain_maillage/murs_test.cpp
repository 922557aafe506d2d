// Double-Z walls on hand-checked figures: which side is high, the corners the
// triangles take, the closing triangles, and the evidence rules.
#include <gtest/gtest.h>

#include "terrain/construction_maillage.h"
#include "terrain/maillage.h"
#include "terrain/murs.h"

namespace {

using terrain::MAILLAGE;
using terrain::VECTEUR;

// A wall from (0, 0) to (10, 0), foot at 10 and top at 12, the ground rising
// to the north (12.5) and falling to the south (9), and a breakline from the
// wall's west end to (5, 5) on the high side.
void mur(MAILLAGE& m) {
  m.ajouteSegment(m.ajoutePoint(VECTEUR(0, 0, 10)), m.ajoutePoint(VECTEUR(10, 0, 10)));
  m.ajouteSegment(m.ajoutePoint(VECTEUR(0, 0, 12)), m.ajoutePoint(VECTEUR(10, 0, 12)));
  for (double x : {-5.0, 5.0, 15.0}) {
    m.ajoutePoint(VECTEUR(x, 10, 12.5));
    m.ajoutePoint(VECTEUR(x, -10, 9));
  }
  m.ajouteSegment(m.ajoutePoint(VECTEUR(0, 0, 12)), m.ajoutePoint(VECTEUR(5, 5, 12.5)));
}

TEST(Murs, TheHighSideTakesTheTopAndTheWallIsClosed) {
  MAILLAGE m;
  mur(m);
  terrain::PARAMETRES_CONSTRUCTION p;
  p.distanceMax = 0;
  p.doubleZ = true;
  ASSERT_TRUE(terrain::construitMaillage(m, p));
  EXPECT_EQ(m.nombreDoubleZ(), 2u);
  int murs = 0;
  for (const terrain::SEG_MAILLE* s : m.segments()) {
    if (!(s->drapeaux & terrain::kMur)) continue;
    ++murs;
    EXPECT_TRUE(s->drapeaux & terrain::kMurDecide);
    // Left of its run is north when it runs west to east.
    const bool versEst = s->a->effectif()->x < s->b->effectif()->x;
    EXPECT_EQ((s->drapeaux & terrain::kMurGaucheHaut) != 0, versEst);
  }
  EXPECT_EQ(murs, 1);
  double z = 0;
  ASSERT_TRUE(m.zEn(5, 0.5, z));
  EXPECT_GT(z, 12.0);  // between the top (12) and the ground north (12.5)
  ASSERT_TRUE(m.zEn(5, -0.5, z));
  EXPECT_LT(z, 10.0);  // between the foot (10) and the ground south (9)
  // The two vertical triangles: corners on the wall line only.
  int verticaux = 0;
  for (const terrain::TRI_MAILLE* t : m.triangles())
    verticaux += t->p[0]->y == 0 && t->p[1]->y == 0 && t->p[2]->y == 0;
  EXPECT_EQ(verticaux, 2);
}

TEST(Murs, EvidenceOfAPointBySideAndDistance) {
  MAILLAGE m;
  m.doubleZ = true;
  auto* d = m.trouvePoint(VECTEUR(0, 0, 10), true);
  m.trouvePoint(VECTEUR(0, 0, 12), true);
  auto* a = m.trouvePoint(VECTEUR(10, 0, 10), true);
  m.trouvePoint(VECTEUR(10, 0, 12), true);
  terrain::SEG_MAILLE* w = m.ajouteSegment(d, a);
  w->drapeaux |= terrain::kMur;
  d->segments = {w};
  a->segments = {w};
  auto point = [](double x, double y, double z) { return terrain::PT_MAILLE(VECTEUR(x, y, z)); };
  // A breakline end between the wall's ends: 0.1; high on the left: side 1.
  terrain::PREUVE_CALCULEE e = terrain::preuvePoint(d, point(5, 3, 12.5), 1);
  ASSERT_EQ(e.mur, w);
  EXPECT_DOUBLE_EQ(e.valeur, 0.1);
  EXPECT_EQ(e.cote, 1);
  // Past the far end by half the wall: 10 * 0.5 + 0.2; low on the left: side 0.
  e = terrain::preuvePoint(d, point(15, 3, 9), 1);
  EXPECT_DOUBLE_EQ(e.valeur, 5.2);
  EXPECT_EQ(e.cote, 0);
  // A loose point 3 m off the wall: its distance; farther than 10 m: nothing.
  e = terrain::preuvePoint(d, point(5, -3, 9), 0);
  EXPECT_DOUBLE_EQ(e.valeur, 3.0);
  EXPECT_EQ(e.cote, 1);  // low on the right: the left is high
  EXPECT_EQ(terrain::preuvePoint(d, point(5, 10.5, 13), 0).mur, nullptr);
}

}  // namespace
