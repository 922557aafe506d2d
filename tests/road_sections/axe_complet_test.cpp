// The records of this area inside an alignment: each hands the next tag back
// so that the alignment reads its children in turn, and the whole alignment
// saves and reloads byte for byte.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "essai_sections.h"
#include "road/axe_en_plan.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/epais_structure.h"
#include "road/profils_en_travers.h"
#include "road/registre_objets.h"
#include "road/tabulation.h"

namespace {

TEST(AxeComplet, ChildrenOfThisAreaRoundTripThroughTheAlignment) {
  {
    CaptureErreurs enregistrement;  // "ID = <...>" lines
    road::REGISTRE_OBJETS::enregistreTout();
  }
  road::AXE_EN_PLAN axe;
  axe.nom = "A1";
  axe.planConstruction = "PC";
  axe.vitesseReference = "80";
  axe.premierProfil = 3;

  auto* profils = axe.profils(true);
  auto p = std::make_unique<road::UN_PROFIL>();
  p->abscisse = 12.5;
  p->handle = "1F";
  p->ajouteCouche(road::COUCHE(2)).ajoute({-1, 0, 50, "BD"});
  p->ajouteCouche(road::COUCHE(8)).ajoute({1, 0, 50.1, ""});
  profils->insere(std::move(p));
  auto vide = std::make_unique<road::UN_PROFIL>();
  vide->abscisse = 25;
  profils->insere(std::move(vide));
  axe.epaisseurs(true)->fixe(road::EPAIS_STRUCTURE::kDroiteBase, 0.15, true);
  road::PROFILCONS e;
  e.abscisse = 12.5;
  e.numero = "3";
  axe.construction(true)->insere(e);
  road::POINT_TABULATION t;
  t.abscisse = 12.5;
  t.kind = 1;
  axe.tabulation(true)->ajoute(t);
  // A second, empty cross-section record after the tables: its tag line alone.
  axe.ajouteEnfant(std::make_unique<road::PROFILS_EN_TRAVERS>());

  const std::string texte = ecrit(axe);
  CaptureErreurs erreurs;
  road::AXE_EN_PLAN relu;
  const Lecture l = lisEnregistrement(relu, texte + "ID-AXE-EN-PLAN\nA2");
  EXPECT_EQ(erreurs.texte(), "");
  EXPECT_EQ(l.anticipe, "ID-AXE-EN-PLAN") << "the next alignment goes back to the project";
  EXPECT_EQ(relu.enfants().size(), 5u);
  ASSERT_NE(relu.profils(), nullptr);
  EXPECT_EQ(relu.profils()->nombre(), 2u);
  EXPECT_EQ(ecrit(relu), texte);
}

}  // namespace
