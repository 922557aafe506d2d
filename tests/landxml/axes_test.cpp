// Alignments in LandXML: elements placed along the tabulation, an arc's centre,
// radius and turn found from its stations, a clothoid's radii from the arc it
// joins, and the document's CoordGeom and vertical profile.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "landxml/ecriture_landxml.h"
#include "landxml/geometrie_axe.h"
#include "landxml/lecture_landxml.h"
#include "road/axe_en_plan.h"
#include "road/axes_en_long.h"
#include "road/elements_plan.h"
#include "road/projet_talvex.h"
#include "road/tabulation.h"

namespace {

using landxml::GenreElement;

// A straight along x from 600000 for 60 m, then a left-hand arc of 100 m radius;
// a station every 10 m.
std::unique_ptr<road::AXE_EN_PLAN> axe(std::initializer_list<road::ELEMENT_PLAN> elements) {
  auto a = std::make_unique<road::AXE_EN_PLAN>();
  a->nom = "RN7";
  a->abscisseFin = 100.0;
  for (int s = 0; s <= 100; s += 10) {
    road::POINT_TABULATION p;
    p.abscisse = s;
    const double t = std::max(0, s - 60) / 100.0;
    p.x = 600000.0 + std::min(s, 60) + 100.0 * std::sin(t);
    p.y = 6500000.0 + 100.0 - 100.0 * std::cos(t);
    a->tabulation(true)->ajoute(p);
  }
  for (const road::ELEMENT_PLAN& e : elements) a->elements(true)->ajoute(e);
  return a;
}

TEST(AxesLandXML, ElementsPlacedAlongTheTabulation) {
  EXPECT_EQ(landxml::genreElement("droite"), GenreElement::kDroite);
  EXPECT_EQ(landxml::genreElement("Cercle"), GenreElement::kArc);
  EXPECT_EQ(landxml::genreElement("CLOTHOIDE"), GenreElement::kClothoide);
  EXPECT_EQ(landxml::genreElement("?"), GenreElement::kDroite);

  const auto g = landxml::geometrieAxe(*axe({{"DROITE", 0.0, 1, 60.0}, {"ARC", 60.0, 2, 40.0}}));
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].genre, GenreElement::kDroite);
  EXPECT_DOUBLE_EQ(g[0].debut.x, 600000.0);
  EXPECT_DOUBLE_EQ(g[0].fin.x, 600060.0);
  EXPECT_EQ(g[1].genre, GenreElement::kArc);
  EXPECT_NEAR(g[1].rayon, 100.0, 1e-6);
  EXPECT_NEAR(g[1].centre.x, 600060.0, 1e-6);
  EXPECT_NEAR(g[1].centre.y, 6500100.0, 1e-6);
  EXPECT_FALSE(g[1].horaire);
  EXPECT_DOUBLE_EQ(g[1].longueur, 40.0);

  // An element between stations ends where the tabulation says; one of no
  // length is left out; an "arc" over stations in line is a straight.
  const auto h = landxml::geometrieAxe(
      *axe({{"DROITE", 5.0, 1, 20.0}, {"DROITE", 30.0, 1, 0.0}, {"ARC", 30.0, 1, 20.0}}));
  ASSERT_EQ(h.size(), 2u);
  EXPECT_DOUBLE_EQ(h[0].debut.x, 600005.0);
  EXPECT_DOUBLE_EQ(h[0].fin.x, 600025.0);
  EXPECT_EQ(h[1].genre, GenreElement::kDroite);

  // A clothoid from the straight into the arc: infinite radius, then the arc's.
  const auto k = landxml::geometrieAxe(
      *axe({{"DROITE", 0.0, 1, 50.0}, {"CLOTHOIDE", 50.0, 1, 20.0}, {"ARC", 70.0, 2, 30.0}}));
  ASSERT_EQ(k.size(), 3u);
  EXPECT_TRUE(std::isinf(k[1].rayonDebut));
  EXPECT_NEAR(k[1].rayonFin, 100.0, 1e-6);
  EXPECT_FALSE(k[1].horaire);

  // No elements: the chords; no tabulation: nothing.
  EXPECT_EQ(landxml::geometrieAxe(*axe({})).size(), 10u);
  EXPECT_TRUE(landxml::geometrieAxe(road::AXE_EN_PLAN()).empty());
}

TEST(AxesLandXML, DocumentHoldsCoordGeomAndProfile) {
  road::PROJETTALVEX projet(1);
  auto a = axe({{"DROITE", 0.0, 1, 60.0}, {"ARC", 60.0, 2, 40.0}});
  // A name from an old project in another character set, and one with a control character.
  projet.ajouteAxe(axe({}));
  projet.axes().back()->nom =
      "RN\xE9"
      "7\x01";
  auto profil = std::make_unique<road::UN_AXELONG>("PL1");
  profil->ajouteSommet({"S1", 0.0, 100.0, 1, 0.0});
  profil->ajouteSommet({"S2", 100.0, 102.5, 1, 0.0});
  a->axesEnLong(true)->ajoute(std::move(profil));
  projet.ajouteAxe(std::move(a));
  projet.ajouteAxe(axe({}));
  projet.axes().back()->nom = "\xC3\xA9t\xC3\xA9";  // UTF-8 stays as it is

  std::ostringstream sortie;
  landxml::CONTENU_EXPORT contenu;
  contenu.projet = &projet;
  landxml::BILAN_EXPORT bilan;
  ASSERT_TRUE(landxml::ecritLandXML(sortie, contenu, bilan));
  EXPECT_EQ(bilan.axes, 3u);
  EXPECT_EQ(bilan.faces, 0u);
  const std::string t = sortie.str();
  EXPECT_EQ(t.find("<Surfaces"), std::string::npos);
  for (const char* attendu :
       {"<Alignment name=\"RN7\" staStart=\"0\" length=\"100\">",
        "<Line staStart=\"0\" length=\"60\">", "<Start>6500000 600000</Start>",
        "<End>6500000 600060</End>", "<Curve staStart=\"60\" length=\"40\" rot=\"ccw\"",
        "<ProfAlign name=\"PL1\">", "<PVI>100 102.5</PVI>", "<Alignment name=\"RN?7?\"",
        "<Alignment name=\"\xC3\xA9t\xC3\xA9\""})
    EXPECT_NE(t.find(attendu), std::string::npos) << attendu << "\n" << t;
  // Well-formed: the reader goes as far as finding no surface in it.
  std::string erreur;
  EXPECT_FALSE(landxml::lisSurfaces(t.data(), t.size(), erreur));
  EXPECT_EQ(erreur, "LandXML : aucune surface dans le document");
}

}  // namespace
