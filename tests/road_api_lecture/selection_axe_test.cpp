// "lec_info_0" and "lec_info_3": symbols cleared first, only what the
// alignment holds set, short integers, and the round trip through NMAXE-P.
#include "framework/liste_resbuf.h"
#include "framework/point_entree.h"
#include "lecture_essai.h"
#include "road/api_ecriture.h"
#include "road/api_lecture.h"
#include "road/axes_en_long.h"
#include "road/elements_plan.h"
#include "road/epais_structure.h"

namespace {

using road::AXE_EN_PLAN;

std::unique_ptr<AXE_EN_PLAN> axeVide() {
  auto axe = std::make_unique<AXE_EN_PLAN>();
  axe->nom = "RN7";
  axe->abscisseDebut = 10;
  axe->abscisseFin = 250.5;
  axe->premierProfil = 12;
  axe->planConstruction = "PLAN-AXE";
  axe->basGauche = {1, 2, 0};
  axe->hautDroit = {900, 1100, 0};
  axe->vitesseReference = "80";
  return axe;
}

std::unique_ptr<AXE_EN_PLAN> axeAvecProfils() {
  auto axe = axeVide();
  axe->elements(true)->ajoute({"D1", 0.0, 1, 120.5});
  axe->elements(true)->ajoute({"C2", 120.5, 2, -350.0});
  auto* profils = axe->axesEnLong(true);
  auto pl1 = std::make_unique<road::UN_AXELONG>("PL1");
  pl1->valeur1 = 10;
  pl1->valeur2 = 3.5;
  pl1->ajouteSommet({"S1", 0, 101.25, 0, 0});
  profils->ajoute(std::move(pl1));
  auto pl2 = std::make_unique<road::UN_AXELONG>("PL2");
  pl2->valeur1 = 20;
  pl2->ajouteSommet({"S9", 5, 99.5, 3, 1.5});
  profils->ajoute(std::move(pl2));
  axe->profilLongActif = "PL1";
  axe->epaisseurs(true)->fixe(road::EPAIS_STRUCTURE::kGaucheRoulement, 0.08, true);
  return axe;
}

class SelectionAxe : public LectureEssai {};

TEST_F(SelectionAxe, EmptyAlignmentSetsTheHeaderOnlyAndClearsTheRest) {
  sauve(axeVide());
  lisp("(setq LAXE-L '(1 2) NB-PT 4 EPG-RL 0.5 PLONG-AC \"X\" LAXE-P '((\"A\" 1.0 1 2.0)))");
  CaptureErreurs erreurs;
  appelle(road::selectionAxe, "\"rn7\" nil");
  EXPECT_EQ(erreurs.texte(), "");
  EXPECT_EQ(valeur("ABSCD"), "10.0");
  EXPECT_EQ(valeur("ABSCF"), "250.5");
  EXPECT_EQ(valeur("PREMPROF"), "12");
  EXPECT_EQ(valeur("FINPROF"), "11");
  EXPECT_EQ(valeur("PLAN-CONS"), "\"PLAN-AXE\"");
  EXPECT_EQ(valeur("NB-EAXP"), "0");
  EXPECT_EQ(valeur("PBG-ZE"), "(1.0 2.0 0.0)");
  EXPECT_EQ(valeur("VIT-REF"), "\"80\"");
  for (const char* s : {"LAXE-L", "NB-PT", "NB-PTAB", "EPG-RL", "PLONG-AC", "LAXE-P", "LTABUL",
                        "LAXE3D", "NB-AXL", "NB-PA3D", "ABSCL", "SMAXL"})
    EXPECT_EQ(valeur(s), "nil") << s;
  EXPECT_EQ(framework::titre(), "TALVEX - Axe RN7/");
}

TEST_F(SelectionAxe, ProfileChosenByTextOrActive) {
  sauve(axeAvecProfils());
  appelle(road::selectionAxe, "\"RN7\" \"pl2\"");
  EXPECT_EQ(valeur("LAXE-L"), "((\"S9\" 5.0 99.5 3 1.5))");
  EXPECT_EQ(valeur("ABSCL"), "20.0");
  EXPECT_EQ(valeur("PLONG-AC"), "\"PL1\"");
  EXPECT_EQ(valeur("NB-AXL"), "2");
  EXPECT_EQ(framework::titre(), "TALVEX - Axe RN7/pl2");

  appelle(road::selectionAxe, "\"RN7\" 0");
  EXPECT_EQ(valeur("LAXE-L"), "((\"S1\" 0.0 101.25 0 0.0))");
  // A dotted pair is one argument like any other list.
  {
    CaptureErreurs erreurs;
    appelle(road::selectionAxe, "\"RN7\" '(1 . 2)");
    EXPECT_EQ(erreurs.texte(), "");
    EXPECT_EQ(valeur("LAXE-L"), "((\"S1\" 0.0 101.25 0 0.0))");
  }
  EXPECT_EQ(valeur("SMAXL"), "3.5");
  EXPECT_EQ(valeur("LAXE-P"), "((\"D1\" 0.0 1 120.5) (\"C2\" 120.5 2 -350.0))");
  EXPECT_EQ(valeur("EPG-RL"), "0.08");
  EXPECT_EQ(valeur("EPD-RL"), "nil");

  CaptureErreurs erreurs;
  appelle(road::selectionAxe, "\"RN7\" \"INCONNU\"");
  EXPECT_EQ(erreurs.texte(), "");
  EXPECT_EQ(valeur("LAXE-L"), "nil");
  EXPECT_EQ(valeur("ABSCL"), "nil");
  EXPECT_EQ(valeur("LAXE-P"), "((\"D1\" 0.0 1 120.5) (\"C2\" 120.5 2 -350.0))");
}

TEST_F(SelectionAxe, ElementIntegersAreShort) {
  sauve(axeAvecProfils());
  appelle(road::selectionAxe, "\"RN7\" nil");
  resbuf* brut = nullptr;
  ASSERT_EQ(acedGetSym("LAXE-P", &brut), RTNORM);
  framework::ListeResbuf liste(brut);
  int entiers = 0;
  for (const resbuf* rb = liste.get(); rb; rb = rb->rbnext)
    if (rb->restype == RTSHORT)
      ++entiers;
    else
      EXPECT_NE(rb->restype, RTLONG);
  EXPECT_EQ(entiers, 2);
}

TEST_F(SelectionAxe, FailuresInTheOrderOfTheChecks) {
  sauve(axeAvecProfils());
  CaptureErreurs erreurs;
  appelle(road::selectionAxe, "\"RN7\"");
  appelle(road::selectionAxe, "12 nil");
  appelle(road::selectionAxe, "\"NOM AVEC BLANC\" nil");
  appelle(road::selectionAxe, "\"RN8\" nil");
  appelle(road::selectionAxeLong, "\"RN7\"");
  appelle(road::selectionAxeLong, "\"RN8\" \"PL1\"");
  appelle(road::selectionAxeLong, "\"RN7\" \"PL9\"");
  EXPECT_EQ(erreurs.texte(),
            "SelectionAxe: parametres incorrects\n"
            "SelectionAxe: parametres incorrects\n"
            "SelectionAxe: parametres incorrects\n"
            "SelectionAxe: Axe non trouve\n"
            "SelectionAxeLong: parametres incorrects\n"
            "SelectionAxeLong: Axe non trouve\n"
            "SelectionAxeLong: Profil inconnu\n");
}

TEST_F(SelectionAxe, LongSelectionLeavesTheActiveProfile) {
  sauve(axeAvecProfils());
  appelle(road::selectionAxeLong, "\"RN7\" \"PL2\"");
  EXPECT_EQ(valeur("LAXE-L"), "((\"S9\" 5.0 99.5 3 1.5))");
  appelle(road::selectionAxe, "\"RN7\" nil");
  EXPECT_EQ(valeur("PLONG-AC"), "\"PL1\"");

  auto sansProfil = axeVide();
  sauve(std::move(sansProfil));
  CaptureErreurs erreurs;
  appelle(road::selectionAxeLong, "\"RN7\" \"PL2\"");
  EXPECT_EQ(erreurs.texte(), "SelectionAxeLong: Pas de profil\n");
  EXPECT_EQ(valeur("LAXE-L"), "nil");
}

TEST_F(SelectionAxe, ReadThenWrittenUnderAnotherNameRecreatesHeaderAndElements) {
  sauve(axeAvecProfils());
  appelle(road::selectionAxe, "\"RN7\" nil");
  lisp("(setq NMAXE-P \"RN8\")");
  CaptureErreurs erreurs;
  appelle(road::CreationAxe, "");
  EXPECT_EQ(erreurs.texte(), "");
  auto projet = road::PROJETTALVEX::ouvre((dossier_ / "plan.axs").string(), 1);
  const AXE_EN_PLAN* original = projet->trouveAxe("RN7");
  const AXE_EN_PLAN* copie = projet->trouveAxe("RN8");
  ASSERT_TRUE(original && copie);
  EXPECT_EQ(copie->abscisseDebut, original->abscisseDebut);
  EXPECT_EQ(copie->abscisseFin, original->abscisseFin);
  EXPECT_EQ(copie->premierProfil, original->premierProfil);
  EXPECT_EQ(copie->planConstruction, original->planConstruction);
  EXPECT_EQ(copie->basGauche, original->basGauche);
  EXPECT_EQ(copie->hautDroit, original->hautDroit);
  EXPECT_EQ(copie->vitesseReference, original->vitesseReference);
  ASSERT_TRUE(copie->elements());
  EXPECT_EQ(copie->elements()->elements(), original->elements()->elements());
}

}  // namespace
