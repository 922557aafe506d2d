// Vertical profiles: one line each ended by FINLONG, read up to the next tag.
#include <gtest/gtest.h>

#include "outils_axes.h"
#include "road/axes_en_long.h"

namespace road {
namespace {

class AxesEnLong : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { enregistreTypes(); }
};

TEST_F(AxesEnLong, UnProfilSansSommetTientSurUneLigne) {
  AXE_EN_LONG axes;
  auto* profil = axes.ajoute(std::make_unique<UN_AXELONG>("PL1"));
  profil->valeur2 = 3.5;
  const std::string texte = texteDe(axes);
  EXPECT_EQ(texte, "ID-AXES-EN-LONG\nPL1 0.000000 3.500000 FINLONG\n");

  AXE_EN_LONG relu;
  Lecture lecture(relu, texte);
  ASSERT_EQ(relu.nombre(), 1);
  EXPECT_TRUE(relu.profils()[0]->sommets.empty());
  EXPECT_EQ(texteDe(relu), texte);
}

TEST_F(AxesEnLong, LesSommetsSuiventLeurProfilDansLOrdre) {
  const std::string texte =
      "ID-AXES-EN-LONG\n"
      "PL1 0.000000 3.500000 S1 0.000000 101.250000 0 0.000000 "
      "S2 600.000000 98.000000 -1 2500.000000 FINLONG\n"
      "PL2 1.000000 2.000000 FINLONG\n";
  AXE_EN_LONG axes;
  Lecture lecture(axes, texte + "CUBATURES\n");
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(lecture.anticipe, "CUBATURES");
  ASSERT_EQ(axes.nombre(), 2);
  const UN_AXELONG& pl1 = *axes.profils()[0];
  ASSERT_EQ(pl1.sommets.size(), 2u);
  EXPECT_EQ(pl1.sommets[1], (SOMMET_LONG{"S2", 600, 98, -1, 2500}));
  EXPECT_EQ(texteDe(axes), texte);
}

TEST_F(AxesEnLong, FinlongEnMinusculesTermineAussiLeProfil) {
  CaptureErreurs erreurs;
  AXE_EN_LONG axes;
  Lecture lecture(axes, "ID-AXES-EN-LONG\nPL1 0 1 S1 1 2 3 4 finlong PL2 5 6 FinLong\n");
  EXPECT_EQ(erreurs.texte(), "");
  ASSERT_EQ(axes.nombre(), 2);
  EXPECT_EQ(axes.profils()[0]->sommets.size(), 1u);
  EXPECT_EQ(axes.profils()[1]->valeur2, 6.0);
}

TEST_F(AxesEnLong, SansFinlongLeProfilEstSignaleEtGarde) {
  CaptureErreurs erreurs;
  AXE_EN_LONG axes;
  Lecture lecture(axes, "ID-AXES-EN-LONG\nPL1 0 1 S1 1 2 3 4 S2 5 6 7 8\n");
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(erreurs.texte(),
            "UN_AXELONG::ES Attend FINLONG\n"
            "AXE_EN_LONG::ES Erreur de lecture d'un axe\n");
  ASSERT_EQ(axes.nombre(), 1);
  EXPECT_EQ(axes.profils()[0]->sommets.size(), 2u);
}

TEST_F(AxesEnLong, UnSommetIllisibleArreteLeProfil) {
  CaptureErreurs erreurs;
  AXE_EN_LONG axes;
  Lecture lecture(axes, "ID-AXES-EN-LONG\nPL1 0 1 S1 1 2 trois 4 FINLONG\nPL2 0 0 FINLONG\n");
  EXPECT_EQ(erreurs.texte(),
            "UN_AXELONG::ES Attend FINLONG\n"
            "AXE_EN_LONG::ES Erreur de lecture d'un axe\n");
  ASSERT_EQ(axes.nombre(), 1);
  EXPECT_EQ(axes.profils()[0]->sommets[0].valeur2, 2.0);
}

TEST_F(AxesEnLong, RechercheSansCassePremierTrouve) {
  AXE_EN_LONG axes;
  auto* premier = axes.ajoute(std::make_unique<UN_AXELONG>("Projet"));
  axes.ajoute(std::make_unique<UN_AXELONG>("PROJET"));
  EXPECT_EQ(axes.trouve("pRoJeT"), premier);
  EXPECT_EQ(axes.trouve("PROJET2"), nullptr);

  std::unique_ptr<UN_AXELONG> retire = axes.retire(premier);
  EXPECT_EQ(retire.get(), premier);
  EXPECT_EQ(axes.nombre(), 1);
  EXPECT_EQ(axes.trouve("projet")->nom, "PROJET");
  EXPECT_EQ(axes.retire(premier), nullptr);
}

TEST_F(AxesEnLong, CopierUnProfilCopieSesSommets) {
  UN_AXELONG source("PL1");
  source.valeur1 = 4;
  source.ajouteSommet({"S1", 1, 2, 3, 4});
  UN_AXELONG cible("AUTRE");
  cible.ajouteSommet({"VIEUX", 0, 0, 0, 0});
  cible.ajouteSommet({"VIEUX2", 0, 0, 0, 0});
  cible.copie(source);
  source.sommets[0].nom = "CHANGE";
  EXPECT_EQ(cible.nom, "PL1");
  EXPECT_EQ(cible.valeur1, 4.0);
  ASSERT_EQ(cible.sommets.size(), 1u);
  EXPECT_EQ(cible.sommets[0].nom, "S1");
}

TEST_F(AxesEnLong, DupliquerDonneDesProfilsIndependants) {
  AXE_EN_LONG axes;
  axes.ajoute(std::make_unique<UN_AXELONG>("PL1"))->ajouteSommet({"S1", 1, 2, 3, 4});
  std::unique_ptr<OBJET_ES> copie = axes.duplique();
  auto& copieAxes = static_cast<AXE_EN_LONG&>(*copie);
  ASSERT_EQ(copieAxes.nombre(), 1);
  EXPECT_NE(copieAxes.profils()[0].get(), axes.profils()[0].get());
  copieAxes.profils()[0]->sommets.clear();
  EXPECT_EQ(axes.profils()[0]->sommets.size(), 1u);
}

}  // namespace
}  // namespace road
