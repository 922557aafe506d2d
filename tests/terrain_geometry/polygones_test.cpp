// Polygons: orientation, point in polygon, clipping, the cut at zero height,
// plane heights, projections and prism volumes.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "capture_erreurs.h"
#include "figure_essai.h"

namespace terrain {
namespace {

class Polygones : public FigureEssai {};

TEST_P(Polygones, OrientationHoraireAuSeuilDeSurface) {
  // Clockwise, area 1/2048 (under EPS_COORD): reversed, as a counter-clockwise one is.
  std::vector<VECTEUR> mince = {P(0, 0), P(0, 1), P(1.0 / 1024, 0)};
  EXPECT_NEAR(POINTGRP::aireSignee(mince), -1.0 / 2048, 1e-9);
  EXPECT_TRUE(POINTGRP::orienteHoraire(mince));
  attendPoint(mince[0], 1.0 / 1024, 0, 0);
  // Area -0.000977, that products of national-grid coordinates would put under -0.001.
  const double f = 1.0 / 4096;
  std::vector<VECTEUR> limite = {P(8 * f, 4289 * f), P(13 * f, 295 * f), P(4 * f, 930 * f)};
  EXPECT_TRUE(POINTGRP::orienteHoraire(limite));
  // Clockwise, area 1/512: left as it is.
  std::vector<VECTEUR> horaire = {P(0, 0), P(0, 1), P(1.0 / 256, 0)};
  EXPECT_FALSE(POINTGRP::orienteHoraire(horaire));
  attendPoint(horaire[0], 0, 0, 0);
  std::vector<VECTEUR> direct = {P(0, 0), P(4, 0), P(4, 4), P(0, 4)};
  EXPECT_DOUBLE_EQ(POINTGRP::aireSignee(direct), 16);
  EXPECT_TRUE(POINTGRP::orienteHoraire(direct));
  EXPECT_DOUBLE_EQ(POINTGRP::aireSignee(direct), -16);
}

TEST_P(Polygones, PointAuNiveauDUnSommetCompteUneFois) {
  const std::vector<VECTEUR> losange = {P(0, -2), P(2, 0), P(0, 2), P(-2, 0)};
  EXPECT_TRUE(POINTGRP::interieur(losange, P(-1, 0)));   // the ray passes the vertex (2, 0)
  EXPECT_FALSE(POINTGRP::interieur(losange, P(-3, 0)));  // and the vertex (-2, 0)
  EXPECT_FALSE(POINTGRP::interieur(losange, P(3, 0)));
  EXPECT_TRUE(POINTGRP::interieur(losange, P(0.5, 1)));
  const std::vector<VECTEUR> carre = {P(0, 0), P(4, 0), P(4, 4), P(0, 4)};
  EXPECT_TRUE(POINTGRP::interieur(carre, P(2, 4)));  // upper edge in, lower edge out
  EXPECT_FALSE(POINTGRP::interieur(carre, P(2, 0)));
}

TEST_P(Polygones, IntersectionDeDeuxTrianglesEtCapacite) {
  // A triangle and its mirror image: a hexagon of area 8 + 2 + 2.
  const std::vector<VECTEUR> haut = {P(0, 0), P(6, 0), P(3, 6)};
  const std::vector<VECTEUR> bas = {P(0, 4), P(3, -2), P(6, 4)};
  VECTEUR sortie[7];
  const int n = VECTEUR::Intersection(haut, bas, std::span(sortie, 6));
  ASSERT_EQ(n, 6);
  const std::span<const VECTEUR> hexagone(sortie, 6);
  EXPECT_NEAR(POINTGRP::aireSignee(hexagone), -12, 1e-9);
  for (const VECTEUR& e :
       {VECTEUR(2, 0), VECTEUR(4, 0), VECTEUR(5, 2), VECTEUR(4, 4), VECTEUR(2, 4), VECTEUR(1, 2)}) {
    EXPECT_EQ(std::count_if(hexagone.begin(), hexagone.end(),
                            [&](const VECTEUR& q) { return q.egal2D(P(e.x, e.y), 1e-6); }),
              1)
        << e;
  }
  // Partly outside: the quadrilateral (1, 0) (4, 0) (4/3, 8/3) (1, 2).
  const std::vector<VECTEUR> coin = {P(1, -1), P(1, 3), P(5, -1)};
  ASSERT_EQ(VECTEUR::Intersection(haut, coin, std::span(sortie, 6)), 4);
  EXPECT_NEAR(POINTGRP::aireSignee(std::span(sortie, 4)), -13.0 / 3, 1e-6);
  // A large triangle by itself (adjacent mesh triangles share such edges): its
  // own vertices lie on the clipping lines and must stay the only ones.
  const std::vector<VECTEUR> grand = {P(0.1, 0.7), P(987.3, 12.9), P(401.7, 833.1)};
  ASSERT_EQ(VECTEUR::Intersection(grand, grand, std::span(sortie, 6)), 3);
  EXPECT_NEAR(POINTGRP::aireSignee(std::span(sortie, 3)), -POINTGRP::aireSignee(grand), 1e-6);
  // Apart.
  const std::vector<VECTEUR> loin = {P(10, 0), P(12, 0), P(11, 2)};
  EXPECT_EQ(VECTEUR::Intersection(haut, loin, std::span(sortie, 6)), 0);

  CaptureErreurs erreurs;
  sortie[5] = VECTEUR(-1, -1, -1);
  EXPECT_EQ(VECTEUR::Intersection(haut, bas, std::span(sortie, 5)), 5);
  EXPECT_EQ(erreurs.texte(), "VECTEUR::Intersection : depassement : 6/5\n");
  EXPECT_TRUE(sortie[5].egalExact(VECTEUR(-1, -1, -1)));
}

TEST_P(Polygones, DecoupeAuPassageParZero) {
  const std::vector<VECTEUR> carre = {P(0, 0, -1), P(4, 0, 1), P(4, 4, 1), P(0, 4, -3)};
  const auto d = POINTGRP::decoupeZero(carre);
  ASSERT_TRUE(d);
  attendPoint(d->coupe1, 2, 0, 0);
  attendPoint(d->coupe2, 3, 4, 0);
  ASSERT_EQ(d->premier.size(), 4u);
  ASSERT_EQ(d->second.size(), 4u);
  attendPoint(d->premier[2], 4, 4, 1);
  attendPoint(d->second[1], 0, 4, -3);
  EXPECT_NEAR(POINTGRP::aireSignee(d->premier), 6, 1e-9);
  EXPECT_NEAR(POINTGRP::aireSignee(d->second), 10, 1e-9);

  // Cut at two opposite vertices: along the diagonal.
  const auto diagonale =
      POINTGRP::decoupeZero(std::vector<VECTEUR>{P(0, 0, 0), P(4, 0, 1), P(4, 4, 0), P(0, 4, -1)});
  ASSERT_TRUE(diagonale);
  EXPECT_EQ(diagonale->premier.size(), 3u);
  EXPECT_EQ(diagonale->second.size(), 3u);

  EXPECT_FALSE(POINTGRP::decoupeZero(  // two consecutive vertices, across the closing edge
      std::vector<VECTEUR>{P(0, 0, 0), P(4, 0, 1), P(4, 4, 1), P(0, 4, 0)}));
  EXPECT_FALSE(POINTGRP::decoupeZero(std::vector<VECTEUR>{P(0, 0, 1), P(4, 0, 1), P(4, 4, 2)}));
  EXPECT_FALSE(POINTGRP::decoupeZero(  // four cuts
      std::vector<VECTEUR>{P(0, 0, 1), P(4, 0, -1), P(4, 4, 1), P(0, 4, -1)}));
}

TEST_P(Polygones, HauteurSurUnPlan) {
  // z = 10 + x + 2y
  const VECTEUR a = P(0, 0, 10), b = P(4, 0, 14), c = P(0, 4, 18);
  double z = -1;
  EXPECT_TRUE(POINTGRP::zPlan(a, b, c, P(1, 1).x, P(1, 1).y, z));
  EXPECT_NEAR(z, 13, 1e-9);
  std::vector<VECTEUR> points = {P(2, 2, 99), P(-4, 8, 99)};
  EXPECT_TRUE(POINTGRP::zSurTriangle(points, c, a, b));
  EXPECT_NEAR(points[0].z, 16, 1e-9);
  EXPECT_NEAR(points[1].z, 22, 1e-9);

  // Doubled area 1/2048: no plane, anywhere.
  const VECTEUR plat = P(2, 1.0 / 8192, 7);
  z = -1;
  EXPECT_FALSE(POINTGRP::zPlan(a, b, plat, P(1, 0).x, P(1, 0).y, z));
  EXPECT_EQ(z, 0);
  EXPECT_FALSE(POINTGRP::zSurTriangle(points, a, b, plat));
  EXPECT_EQ(points[0].z, 0);
  EXPECT_EQ(points[1].z, 0);

  // Frames from candidates: the null one and the opposite of u are skipped.
  const VECTEUR candidats[] = {VECTEUR(0, 0, 0.0005), VECTEUR(2, 0, 2), VECTEUR(-1, 0, -1)};
  EXPECT_FALSE(POINTGRP::repere(a, candidats));
  const VECTEUR avecV[] = {VECTEUR(2, 0, 2), VECTEUR(-1, 0, -1), VECTEUR(0, 3, 6)};
  const auto plan = POINTGRP::repere(a, avecV);
  ASSERT_TRUE(plan);
  EXPECT_NEAR(plan->v.norme(), 1, 1e-12);
  EXPECT_TRUE(POINTGRP::zPlan(*plan, P(1, 1).x, P(1, 1).y, z));
  EXPECT_NEAR(z, 13, 1e-9);
}

TEST_P(Polygones, ProjectionsSurfacesEtVolumes) {
  const VECTEUR a = P(0, 0, 10), b = P(4, 0, 30), p = P(1, -2);
  const PROJECTION brute = POINTGRP::projette(a, b, p, 0);
  EXPECT_TRUE(brute.valide);
  EXPECT_DOUBLE_EQ(brute.abscisse, 4);
  EXPECT_DOUBLE_EQ(brute.decalage, 8);  // right of a->b
  const PROJECTION relative = POINTGRP::projette(a, b, p, 1);
  EXPECT_DOUBLE_EQ(relative.abscisse, 0.25);
  const PROJECTION metres = POINTGRP::projette(a, b, p, 3);
  EXPECT_DOUBLE_EQ(metres.abscisse, 1);
  EXPECT_DOUBLE_EQ(metres.decalage, 2);
  EXPECT_FALSE(POINTGRP::projette(a, a, p, 3).valide);
  attendPoint(*POINTGRP::pied(a, b, p), 1, 0, 15);
  EXPECT_FALSE(POINTGRP::pied(a, P(0.00006103515625, 0), p));

  EXPECT_TRUE(POINTGRP::aDroite(a, b, p));
  EXPECT_TRUE(POINTGRP::coteMode(a, b, P(2, 0), -1, false));
  EXPECT_FALSE(POINTGRP::coteMode(a, b, P(2, 0), -1, true));
  // Right turn at b: only the wedge is right of the path; its left is the rest.
  const VECTEUR c = P(4, -4);
  EXPECT_TRUE(POINTGRP::aDroiteChemin(a, b, c, P(2, -1), 1, true));
  EXPECT_FALSE(POINTGRP::aDroiteChemin(a, b, c, P(6, -1), 1, true));
  EXPECT_TRUE(POINTGRP::aDroiteChemin(a, b, c, P(6, -1), -1, true));
  EXPECT_TRUE(POINTGRP::aDroiteChemin(a, a, c, P(6, -1), -1, true));

  const VECTEUR t0 = P(0, 0, 3), t1 = P(4, 0, 6), t2 = P(0, 3, 9);
  EXPECT_DOUBLE_EQ(POINTGRP::aireTriangle(t0, t1, t2), 6);
  EXPECT_DOUBLE_EQ(POINTGRP::volumePrisme(t0, t1, t2), 36);
  EXPECT_NEAR(POINTGRP::aireHeron(VECTEUR(0, 0, 0), VECTEUR(3, 0, 0), VECTEUR(0, 0, 4)), 6, 1e-12);
  const std::vector<VECTEUR> carre = {P(0, 0, 1), P(4, 0, 1), P(4, 4, 4), P(0, 4, 4)};
  EXPECT_DOUBLE_EQ(POINTGRP::volumeEventail(carre), 8 * 2 + 8 * 3);
  EXPECT_EQ(POINTGRP::triangulationEventail(carre).size(), 2u);
  EXPECT_EQ(POINTGRP::volumeEventail(std::span(carre).first(2)), 0);
}

FIGURES_AUX_DEUX_ORIGINES(Polygones);

}  // namespace
}  // namespace terrain
