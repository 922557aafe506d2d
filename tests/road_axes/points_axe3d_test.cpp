// 3D axis points: one line per entry, read while a number starts.
#include <gtest/gtest.h>

#include "outils_axes.h"
#include "road/points_axe3d.h"

namespace road {
namespace {

class PointsAxe3d : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { enregistreTypes(); }
};

TEST_F(PointsAxe3d, UneLigneParEntreeDansLOrdreDuFichier) {
  POINTS_AXE3D points;
  POINT_AXE3D p;
  p.abscisse = 12.5;
  p.valeur = -1;
  p.points = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}};
  points.ajoute(p);
  p.abscisse = 25;
  points.ajoute(p);
  const std::string texte = texteDe(points);
  EXPECT_EQ(texte,
            "PTS-DE-AXE3D\n"
            "12.500000 -1.000000 1.000000 2.000000 3.000000 4.000000 5.000000 6.000000 "
            "7.000000 8.000000 9.000000\n"
            "25.000000 -1.000000 1.000000 2.000000 3.000000 4.000000 5.000000 6.000000 "
            "7.000000 8.000000 9.000000\n");

  POINTS_AXE3D relu;
  Lecture lecture(relu, texte);
  EXPECT_EQ(relu.points(), points.points());
  EXPECT_EQ(texteDe(relu), texte);
}

TEST_F(PointsAxe3d, UnTagSuivantResteDansLeFlux) {
  POINTS_AXE3D points;
  Lecture lecture(points,
                  "PTS-DE-AXE3D\n-1 0 0 0 0 0 0 0 0 0 0\n.5 0 0 0 0 0 0 0 0 0 0\n"
                  "ID-AXES-EN-LONG\nPL1 0 0 FINLONG\n");
  EXPECT_TRUE(lecture.resultat);
  ASSERT_EQ(points.nombre(), 2);
  EXPECT_EQ(points.points()[0].abscisse, -1.0);
  EXPECT_EQ(points.points()[1].abscisse, 0.5);
  EXPECT_TRUE(lecture.anticipe.empty());
  EXPECT_EQ(lecture.reste(), "ID-AXES-EN-LONG\nPL1 0 0 FINLONG\n");
}

TEST_F(PointsAxe3d, UneEntreeIllisibleEstSignaleeEtGardee) {
  CaptureErreurs erreurs;
  POINTS_AXE3D points;
  Lecture lecture(
      points,
      "PTS-DE-AXE3D\n1 0 0 0 0 0 0 0 0 0 0\n2 0 7 0 X 0 0 0 0 0 0\n3 0 0 0 0 0 0 0 0 0 0\n");
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(erreurs.texte(), "Erreur de lecture d'un ptaxe\n");
  ASSERT_EQ(points.nombre(), 2);
  EXPECT_EQ(points.points()[1].points[0][0], 7.0);
}

TEST_F(PointsAxe3d, DecalerNeToucheQueLesAbscisses) {
  POINTS_AXE3D points;
  POINT_AXE3D p;
  p.abscisse = 10;
  p.valeur = 10;
  p.points[2] = {10, 10, 10};
  points.ajoute(p);
  points.decale(2.5);
  EXPECT_EQ(points.points()[0].abscisse, 12.5);
  EXPECT_EQ(points.points()[0].valeur, 10.0);
  EXPECT_EQ(points.points()[0].points[2][0], 10.0);
}

}  // namespace
}  // namespace road
