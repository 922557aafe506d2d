// Cut and fill by prisms against volumes known in closed form, at the origin
// and at national-grid coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "capture_erreurs.h"
#include "earthworks/cubature_prisme.h"

namespace {

using earthworks::CUBATUREPRISME;
using terrain::MAILLAGE;
using terrain::VECTEUR;

using Hauteur = std::function<double(double, double)>;

// An n x n grid of squares over [x0, x0 + cote] x [y0, y0 + cote], each
// square cut along one diagonal or the other, heights from z.
void grille(MAILLAGE& m, double x0, double y0, double cote, int n, bool autreDiagonale,
            const Hauteur& z) {
  const double pas = cote / n;
  auto point = [&](int i, int j) {
    const double x = i * pas, y = j * pas;
    return m.ajoutePoint(VECTEUR(x0 + x, y0 + y, z(x, y)));
  };
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      auto* a = point(i, j);
      auto* b = point(i + 1, j);
      auto* c = point(i + 1, j + 1);
      auto* d = point(i, j + 1);
      if (autreDiagonale) {
        m.ajouteTriangle(a, b, d);
        m.ajouteTriangle(b, c, d);
      } else {
        m.ajouteTriangle(a, b, c);
        m.ajouteTriangle(a, c, d);
      }
    }
  m.construitGrille(true);
}

double ecartRelatif(double mesure, double attendu) {
  return std::fabs(mesure - attendu) / std::fabs(attendu);
}

TEST(Cubature, CrossingPlanesGiveCutAndFillExactlyAnywhere) {
  // Ground flat at 10, project 5 + 0.1 x: they cross at x = 50 over a 100 m
  // square; cut and fill are 12,500 m3 each over 5,000 m2 each.
  for (const double x0 : {0.0, 600000.0}) {
    const double y0 = x0 == 0.0 ? 0.0 : 6500000.0;
    MAILLAGE sol, projet;
    grille(sol, x0, y0, 100.0, 3, false, [](double, double) { return 10.0; });
    grille(projet, x0, y0, 100.0, 7, true, [](double x, double) { return 5.0 + 0.1 * x; });
    CUBATUREPRISME c(sol, projet);
    CaptureErreurs erreurs;
    const double bilan = c.calcule(CUBATUREPRISME::kAires3D);
    EXPECT_LT(ecartRelatif(c.volumeDeblai, 12500.0), 1e-9) << x0;
    EXPECT_LT(ecartRelatif(c.volumeRemblai, 12500.0), 1e-9) << x0;
    EXPECT_NEAR(bilan, 0.0, 1e-6);
    EXPECT_LT(ecartRelatif(c.surfaceDeblai, 5000.0), 1e-9);
    EXPECT_LT(ecartRelatif(c.surfaceRemblai, 5000.0), 1e-9);
    EXPECT_LT(ecartRelatif(c.surfaceTotale, 10000.0), 1e-12);
    // The ground is flat; the project rises 0.1 per metre.
    EXPECT_LT(ecartRelatif(c.surface3DDeblai1, 5000.0), 1e-9);
    EXPECT_LT(ecartRelatif(c.surface3DRemblai2, 5000.0 * std::sqrt(1.01)), 1e-9);
    EXPECT_LT(c.residu, 1.0);
    EXPECT_EQ(erreurs.texte(), "");

    // Swapping the surfaces swaps cut and fill.
    CUBATUREPRISME inverse(projet, sol);
    EXPECT_NEAR(inverse.calcule(CUBATUREPRISME::kVolumes), -bilan, 1e-6);
    EXPECT_LT(ecartRelatif(inverse.volumeRemblai, c.volumeDeblai), 1e-9);
    EXPECT_LT(ecartRelatif(inverse.volumeDeblai, c.volumeRemblai), 1e-9);
    EXPECT_EQ(inverse.surface3DDeblai1, 0.0);  // not asked for at this level
  }
}

TEST(Cubature, PrismAboveAHorizontalPlaneAndAnExcavation) {
  // One ground triangle above a horizontal project at 2 covering it: its plan
  // area times its mean height above 2.
  MAILLAGE sol, plat;
  sol.ajouteTriangle(sol.ajoutePoint(VECTEUR(10, 10, 5)), sol.ajoutePoint(VECTEUR(30, 10, 8)),
                     sol.ajoutePoint(VECTEUR(10, 40, 11)));
  sol.construitGrille(true);
  grille(plat, 0, 0, 50, 4, false, [](double, double) { return 2.0; });
  CUBATUREPRISME prisme(sol, plat);
  prisme.calcule(CUBATUREPRISME::kVolumes);
  EXPECT_LT(ecartRelatif(prisme.volumeDeblai, 300.0 * (8.0 - 2.0)), 1e-12);
  EXPECT_EQ(prisme.volumeRemblai, 0.0);

  // A 20 x 20 x 2 m pit with vertical walls (faces with no plan area) in a
  // flat project: 800 m3 of cut, no fill, the walls counting nothing.
  MAILLAGE terrain, fouille;
  grille(terrain, 600000, 6500000, 100, 5, true, [](double, double) { return 0.0; });
  auto p = [&](double x, double y, double z) {
    return fouille.ajoutePoint(VECTEUR(600000 + x, 6500000 + y, z));
  };
  auto quad = [&](auto* a, auto* b, auto* c, auto* d) {
    fouille.ajouteTriangle(a, b, c);
    fouille.ajouteTriangle(a, c, d);
  };
  const double bord[] = {0, 40, 60, 100};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const bool fond = i == 1 && j == 1;
      const double z = fond ? -2.0 : 0.0;
      quad(p(bord[i], bord[j], z), p(bord[i + 1], bord[j], z), p(bord[i + 1], bord[j + 1], z),
           p(bord[i], bord[j + 1], z));
    }
  for (int k = 0; k < 4; ++k) {  // the walls
    const double coins[5][2] = {{40, 40}, {60, 40}, {60, 60}, {40, 60}, {40, 40}};
    quad(p(coins[k][0], coins[k][1], 0), p(coins[k + 1][0], coins[k + 1][1], 0),
         p(coins[k + 1][0], coins[k + 1][1], -2), p(coins[k][0], coins[k][1], -2));
  }
  fouille.construitGrille(true);
  CUBATUREPRISME excavation(terrain, fouille);
  CaptureErreurs erreurs;
  EXPECT_LT(ecartRelatif(-excavation.calcule(CUBATUREPRISME::kVolumes), 800.0), 1e-9);
  EXPECT_LT(ecartRelatif(excavation.volumeDeblai, 800.0), 1e-9);
  EXPECT_EQ(excavation.volumeRemblai, 0.0);
  EXPECT_LT(ecartRelatif(excavation.surfaceDeblai, 400.0), 1e-9);
  EXPECT_EQ(erreurs.texte(), "");
}

TEST(Cubature, CoincidentTouchingAndDegenerateFacesCountNothing) {
  // The same surface twice: no volume, no area of cut or fill, and no warning
  // (surfaces that coincide are not an error).
  MAILLAGE a, b;
  grille(a, 600000, 6500000, 100, 4, false, [](double x, double y) { return 0.3 * x - 0.1 * y; });
  grille(b, 600000, 6500000, 100, 4, false, [](double x, double y) { return 0.3 * x - 0.1 * y; });
  CUBATUREPRISME memes(a, b);
  CaptureErreurs erreurs;
  EXPECT_EQ(memes.calcule(CUBATUREPRISME::kDessin - 1), 0.0);
  EXPECT_EQ(memes.volumeDeblai + memes.volumeRemblai, 0.0);
  EXPECT_EQ(memes.surfaceDeblai + memes.surfaceRemblai, 0.0);
  EXPECT_LT(ecartRelatif(memes.surfaceTotale, 10000.0), 1e-12);
  EXPECT_EQ(erreurs.texte(), "");

  // Triangles sharing an edge only, and a face with two equal corners.
  MAILLAGE t1, t2;
  auto* p = t1.ajoutePoint(VECTEUR(0, 0, 0));
  auto* q = t1.ajoutePoint(VECTEUR(10, 0, 0));
  t1.ajouteTriangle(p, q, t1.ajoutePoint(VECTEUR(0, 10, 0)));
  const terrain::TRI_MAILLE* voisin =
      t2.ajouteTriangle(t2.ajoutePoint(VECTEUR(0, 0, 5)), t2.ajoutePoint(VECTEUR(10, 0, 5)),
                        t2.ajoutePoint(VECTEUR(5, -10, 5)));
  auto* r = t2.ajoutePoint(VECTEUR(1, 1, 5));
  const terrain::TRI_MAILLE* plat = t2.ajouteTriangle(r, r, t2.ajoutePoint(VECTEUR(4, 1, 5)));
  CUBATUREPRISME paires(t1, t2);
  EXPECT_FALSE(paires.traitePaire(*t1.triangles()[0], *voisin));
  paires.traitePaire(*t1.triangles()[0], *plat);
  EXPECT_EQ(paires.volumeDeblai + paires.volumeRemblai, 0.0);
}

}  // namespace
