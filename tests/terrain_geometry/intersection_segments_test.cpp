// Segment intersection: contacts, shared point objects, parallel and collinear
// segments, and every mix of horizontal, vertical and oblique segments.
#include <gtest/gtest.h>

#include "capture_erreurs.h"
#include "figure_essai.h"

namespace terrain {
namespace {

using IS = INTERSECTION_SEGMENTS;

class IntersectionSegments : public FigureEssai {};

TEST_P(IntersectionSegments, ContactAuxExtremitesNonMaisContactEnTOui) {
  const VECTEUR a = P(0, 0, 10), b = P(4, 0, 20);
  const VECTEUR bBis = P(4, 0), c = P(6, 3), haut = P(4, 3), milieu = P(2, 0), m2 = P(2, 3);
  EXPECT_FALSE(POINTGRP::Intersection(a, b, bBis, c));     // end to end, two objects
  EXPECT_FALSE(POINTGRP::Intersection(a, b, bBis, haut));  // L corner
  EXPECT_FALSE(POINTGRP::Intersection(a, b, b, c));        // one object shared

  const IS t = POINTGRP::Intersection(a, b, m2, milieu);  // T: an end on the interior
  ASSERT_TRUE(t);
  EXPECT_EQ(t.type, IS::POINT);
  attendPoint(t.point, 2, 0, 15);
  EXPECT_DOUBLE_EQ(t.parametre, 0.5);
  EXPECT_TRUE(POINTGRP::Intersection(m2, milieu, a, b));

  const IS x = POINTGRP::Intersection(P(0, 0, 0), P(4, 4, 8), P(0, 4, 1), P(4, 0, 1));
  ASSERT_TRUE(x);
  attendPoint(x.point, 2, 2, 4);  // z along the first segment

  const IS memes = POINTGRP::Intersection(a, b, b, a);
  EXPECT_TRUE(memes);
  EXPECT_EQ(memes.type, IS::AUCUNE);
  EXPECT_FALSE(POINTGRP::Intersection(a, b, P(1, 1), P(3, 1)));   // parallel, apart
  EXPECT_FALSE(POINTGRP::Intersection(a, b, P(5, -1), P(7, 1)));  // boxes apart
}

// Each pair is solved once, whatever the order and the direction of the segments.
TEST_P(IntersectionSegments, HorizontauxVerticauxEtObliquesSeCroisent) {
  struct Cas {
    double x0, y0, x1, y1, x2, y2, x3, y3, x, y;
  };
  const Cas cas[] = {
      {0, 0, 4, 0, 1, -2, 1, 2, 1, 0},  // horizontal, vertical
      {1, -2, 1, 2, 4, 0, 0, 0, 1, 0},  // vertical, horizontal reversed
      {2, -4, 2, 4, 0, 0, 4, 2, 2, 1},  // vertical, oblique
      {0, 0, 4, 2, 2, 4, 2, -4, 2, 1},  // oblique, vertical
      {0, 0, 0.0009765625, 8, 0.0009765625, 0, 0, 8, 0.00048828125, 4},  // both nearly vertical
      {0, 0, 8, 0.0009765625, 0, 0.0009765625, 8, 0, 4, 0.00048828125},  // both nearly horizontal
  };
  for (const Cas& k : cas) {
    const VECTEUR p0 = P(k.x0, k.y0), p1 = P(k.x1, k.y1), p2 = P(k.x2, k.y2), p3 = P(k.x3, k.y3);
    for (const IS& r :
         {POINTGRP::Intersection(p0, p1, p2, p3), POINTGRP::Intersection(p2, p3, p1, p0)}) {
      ASSERT_EQ(r.type, IS::POINT) << k.x0 << " " << k.y0 << " " << k.x1 << " " << k.y1;
      attendPoint(r.point, k.x, k.y, 0);
    }
  }
}

TEST_P(IntersectionSegments, RecouvrementsTriesLeLongDeLaDroite) {
  const VECTEUR h0 = P(0, 1), h1 = P(4, 1), h2 = P(6, 1), h3 = P(2, 1);
  const IS h = POINTGRP::Intersection(h0, h1, h2, h3);
  EXPECT_EQ(h.type, IS::RECOUVREMENT);
  EXPECT_EQ(h.resultat, 1);
  ASSERT_EQ(h.nbExtremites, 4);
  EXPECT_EQ(h.extremites[0], &h0);
  EXPECT_EQ(h.extremites[1], &h3);
  EXPECT_EQ(h.extremites[2], &h1);
  EXPECT_EQ(h.extremites[3], &h2);

  // Vertical: sorted by y, the shared object kept once.
  const VECTEUR v0 = P(3, 8), v1 = P(3, 0), v2 = P(3, 2);
  const IS v = POINTGRP::Intersection(v0, v1, v1, v2);
  EXPECT_EQ(v.type, IS::RECOUVREMENT);
  EXPECT_EQ(v.resultat, 1);
  ASSERT_EQ(v.nbExtremites, 3);
  EXPECT_EQ(v.extremites[0], &v1);
  EXPECT_EQ(v.extremites[1], &v2);
  EXPECT_EQ(v.extremites[2], &v0);

  EXPECT_EQ(POINTGRP::Intersection(P(0, 0), P(4, 2), P(2, 1), P(8, 4)).resultat, 2);
  EXPECT_FALSE(POINTGRP::Intersection(P(3, 0), P(3, 2), P(3, 2), P(3, 5)));  // end to end
  EXPECT_FALSE(POINTGRP::Intersection(P(0, 0), P(4, 2), P(0, 1), P(4, 3)));  // parallel
}

TEST_P(IntersectionSegments, SegmentsNuls) {
  const IS nul = POINTGRP::Intersection(P(1, 1), P(1, 1), P(0, 1), P(4, 1));
  EXPECT_FALSE(nul);
  EXPECT_EQ(nul.type, IS::SEGMENT_NUL);

  // A null first segment across a long one: z and parameter along the second.
  const IS court = POINTGRP::Intersection(P(0, 1, 7), P(0.0009765625, 1, 7), P(0.00048828125, 0, 0),
                                          P(0.00048828125, 4, 8));
  ASSERT_TRUE(court);
  EXPECT_TRUE(court.surSecond);
  attendPoint(court.point, 0.00048828125, 1, 2);
  EXPECT_DOUBLE_EQ(court.parametre, 0.25);

  CaptureErreurs erreurs;
  const IS deux =
      POINTGRP::Intersection(P(0, 0), P(0.0009765625, 0), P(0.00048828125, -0.00048828125),
                             P(0.00048828125, 0.00048828125));
  EXPECT_FALSE(deux);
  EXPECT_EQ(erreurs.texte(), "POINTGRP::Intersection : segments nuls\n");
}

FIGURES_AUX_DEUX_ORIGINES(IntersectionSegments);

}  // namespace
}  // namespace terrain
