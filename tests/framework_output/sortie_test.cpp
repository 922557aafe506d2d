// Entities made by the output: layer rule, simple entities, polylines.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dessin_essai.h"

namespace {

using framework::ListeResbuf;
using framework::Point3D;

class Sortie : public DessinEssai {};

TEST_F(Sortie, CalqueCoupeAuPremierCaractereNonAdmis) {
  EXPECT_EQ(framework::changeCalqueSortie("Terrain naturel"), "");
  framework::sortPoint({1, 2, 3});
  EXPECT_EQ(framework::changeCalqueSortie("Fossé$-_2;x"), "Terrain");
  framework::sortPoint({1, 2, 3});
  framework::changeCalqueSortie("   ");
  framework::sortPoint({1, 2, 3});
  framework::changeCalqueSortie("#cache");
  framework::sortPoint({1, 2, 3});

  const auto e = entites();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(texte(e[0], 8), "Terrain");
  EXPECT_EQ(texte(e[1], 8), "Fossé$-_2");
  EXPECT_EQ(texte(e[2], 8), "0") << "no layer group: the current layer";
  EXPECT_EQ(texte(e[3], 8), "0");
}

TEST_F(Sortie, CalqueCourantDuDessin) {
  framework::changeCalqueSortie("TOPO");
  framework::sortPoint({0, 0, 0});  // the layer exists from then on
  framework::changeCalqueSortie(nullptr);
  ListeResbuf calque(acutBuildList(RTSTR, "TOPO", 0));
  ASSERT_EQ(acedSetVar("clayer", calque.get()), RTNORM);
  ASSERT_TRUE(framework::prendCalqueCourant());
  EXPECT_EQ(framework::calqueSortie(), "TOPO");
}

TEST_F(Sortie, PointFaceLigneSolide) {
  framework::ajouteAuPointSuivant(ListeResbuf(acutBuildList(62, 3, 0)));
  framework::sortPoint({1, 2, 3});
  framework::sortPoint({4, 5, 6});
  framework::changeTypeLigneSortie("DASHED");
  framework::sortFace3D({0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});
  framework::sortLigne({0, 0, 0}, {5, 5, 5});
  framework::sortSolide({0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});

  const auto e = entites();
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(type(e[0]), "POINT");
  EXPECT_EQ(entier(e[0], 62), 3) << "the extra groups go with the next point";
  EXPECT_EQ(e[1].groupe(62), nullptr) << "and only with it";
  EXPECT_EQ(type(e[2]), "3DFACE");
  attendPoint(point(e[2], 12), {1, 1, 0});
  attendPoint(point(e[2], 13), {0, 1, 0});
  EXPECT_EQ(e[2].groupe(6), nullptr) << "faces carry no linetype";
  EXPECT_EQ(type(e[3]), "LINE");
  EXPECT_EQ(texte(e[3], 6), "DASHED");
  attendPoint(point(e[3], 11), {5, 5, 5});
  // Corners given around the edge: a solid stores them crossed.
  EXPECT_EQ(type(e[4]), "SOLID");
  attendPoint(point(e[4], 10), {0, 0, 0});
  attendPoint(point(e[4], 11), {1, 0, 0});
  attendPoint(point(e[4], 12), {0, 1, 0});
  attendPoint(point(e[4], 13), {1, 1, 0});
  EXPECT_EQ(ligne(), "");
}

TEST_F(Sortie, EntiteRefuseeSignaleeEtSortieContinue) {
  EXPECT_FALSE(framework::sortPoint({NAN, 0, 0}));
  EXPECT_TRUE(ligneContient("Erreur d'affichage d'un point\n")) << ligne();
  EXPECT_FALSE(framework::sortLigne({0, 0, 0}, {INFINITY, 0, 0}));
  EXPECT_TRUE(ligneContient("Erreur d'affichage d'une ligne\n"));
  EXPECT_TRUE(framework::sortPoint({1, 1, 1}));
  EXPECT_EQ(entites().size(), 1u);
}

TEST_F(Sortie, Polyligne3DAvecArc) {
  ASSERT_TRUE(framework::commencePolyligne(false, true));
  framework::sortPoint({0, 0, 0});
  framework::changeRenflement(1);  // half a circle, counter-clockwise: below the chord
  framework::sortPoint({2, 0, 10});
  framework::sortPoint({2, 5, 10});  // the bulge served once
  ASSERT_TRUE(framework::terminePolyligne());

  const auto e = entites();
  ASSERT_GE(e.size(), 3u);
  EXPECT_EQ(type(e.front()), "POLYLINE");
  EXPECT_EQ(entier(e.front(), 70), 8);
  EXPECT_EQ(type(e.back()), "SEQEND");
  std::vector<Point3D> sommets;
  for (size_t i = 1; i + 1 < e.size(); ++i) {
    EXPECT_EQ(type(e[i]), "VERTEX");
    EXPECT_EQ(entier(e[i], 70), 32);
    sommets.push_back(point(e[i], 10));
  }
  // Half a turn: 25 steps, the last one too near the end; 24 points inside.
  ASSERT_EQ(sommets.size(), 27u);
  attendPoint(sommets[0], {0, 0, 0});
  attendPoint(sommets[25], {2, 0, 10});
  attendPoint(sommets[26], {2, 5, 10});
  for (size_t i = 1; i < 25; ++i) {
    EXPECT_NEAR(std::hypot(sommets[i][0] - 1, sommets[i][1]), 1, 1e-9);
    EXPECT_LT(sommets[i][1], 0);
    EXPECT_NEAR(sommets[i][2], 10.0 * i / 25, 1e-9);
  }
}

TEST_F(Sortie, Polyligne2DRenflementLargeurEtDrapeaux) {
  resbuf un{};
  un.restype = RTSHORT;
  un.resval.rint = 1;
  ASSERT_EQ(acedSetVar("plinegen", &un), RTNORM);
  framework::changeCalqueSortie("PROJET");
  framework::changeTypeLigneSortie("DASHED");
  ASSERT_TRUE(framework::commencePolyligne(true, false));
  framework::changeRenflement(0.5);
  framework::changeLargeur(0.25);
  framework::sortPoint({0, 0, 4});
  framework::changeRenflement(0);
  framework::sortPoint({10, 0, 4});
  ASSERT_TRUE(framework::terminePolyligne());

  const auto e = entites();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(entier(e[0], 70), 1 + 128);
  attendPoint(point(e[0], 10), {0, 0, 4});
  EXPECT_EQ(texte(e[0], 8), "PROJET");
  EXPECT_EQ(texte(e[0], 6), "DASHED");
  EXPECT_EQ(reel(e[1], 42), 0.5);
  EXPECT_EQ(reel(e[1], 40), 0.25);
  EXPECT_EQ(reel(e[1], 41), 0.25);
  EXPECT_EQ(entier(e[1], 70), 0);
  EXPECT_EQ(texte(e[1], 8), "PROJET");
  EXPECT_EQ(reel(e[2], 42), 0);
  attendPoint(point(e[2], 10), {10, 0, 4});
}

TEST_F(Sortie, PolyligneRetenueFaiteEnUneFois) {
  framework::retiensEntites(true);
  ASSERT_TRUE(framework::commencePolyligne(false, true));
  framework::sortPoint({0, 0, 0});
  framework::sortPoint({1, 0, 0});
  framework::sortPoint({1, 1, 0});
  EXPECT_TRUE(entites().empty()) << "nothing is made before the end";
  ASSERT_TRUE(framework::terminePolyligne());

  const auto e = entites();
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(type(e[0]), "POLYLINE");
  EXPECT_EQ(entier(e[0], 90), 3);
  EXPECT_EQ(type(e[3]), "VERTEX");
  EXPECT_EQ(type(e[4]), "SEQEND");
}

TEST_F(Sortie, PolyligneRefuseeEchoueALaFin) {
  framework::retiensEntites(true);
  ASSERT_TRUE(framework::commencePolyligne(false, true));
  framework::sortPoint({0, 0, 0});
  framework::sortPoint({NAN, 0, 0});
  EXPECT_FALSE(framework::terminePolyligne());
  EXPECT_TRUE(entites().empty());

  framework::retiensEntites(false);
  ASSERT_TRUE(framework::commencePolyligne(false, true));
  framework::sortPoint({0, 0, 0});
  EXPECT_FALSE(framework::sortPoint({NAN, 0, 0}));
  EXPECT_FALSE(framework::terminePolyligne());
  EXPECT_FALSE(framework::polyligneOuverte()) << "a refused polyline still closes";
}

TEST_F(Sortie, OrdreDesAppelsVerifie) {
  EXPECT_FALSE(framework::terminePolyligne());
  EXPECT_EQ(ligne(), "Pas de polyligne en cours\n");
  ASSERT_TRUE(framework::commencePolyligne(false, false));
  EXPECT_FALSE(framework::commencePolyligne(false, true));
  EXPECT_TRUE(ligneContient("Ligne deja en cours d'exportation\n"));
  EXPECT_TRUE(framework::terminePolyligne()) << "an empty polyline makes nothing";
  EXPECT_TRUE(entites().empty());
}

}  // namespace
