// The progress window and the messages that drive it through the error stream.
#include <gtest/gtest.h>

#include <string>

#include "dessin_essai.h"
#include "framework/fenetre_progression.h"
#include "framework/progression.h"

namespace {

using framework::FENETRE_PROGRESSION;
using framework::positionProgression;

TEST(PositionProgression, BornesEtArrondi) {
  EXPECT_EQ(positionProgression(10, 10, 20), 0);
  EXPECT_EQ(positionProgression(20, 10, 20), 255);
  EXPECT_EQ(positionProgression(15, 10, 20), 128);  // 127.5 + 0.5
  EXPECT_EQ(positionProgression(25, 10, 20), 255);
  EXPECT_EQ(positionProgression(1e300, 0, 1), 255);
  EXPECT_EQ(positionProgression(-5, 10, 20), 0);
  EXPECT_EQ(positionProgression(-1e300, 0, 1), 0);
}

TEST(PositionProgression, IntervalleVideDiviseParUn) {
  EXPECT_EQ(positionProgression(5, 5, 5), 0);
  EXPECT_EQ(positionProgression(5.2, 5, 5), 51);  // 0.2 * 255 + 0.5 = 51.5
  EXPECT_EQ(positionProgression(6, 5, 5), 255);
  EXPECT_EQ(positionProgression(4, 5, 5), 0);
}

class FenetreProgression : public DessinEssai {};

TEST_F(FenetreProgression, LaFenetreSuitLesMessagesDeSonIdentifiant) {
  FENETRE_PROGRESSION fenetre("MAIL");
  FENETRE_PROGRESSION autre("AUTRE");
  ASSERT_TRUE(fenetre.ouverte());
  EXPECT_EQ(fenetre.dialogue().title(), "Patientez...");
  EXPECT_EQ(fenetre.dialogue().resourceId(), 178);
  EXPECT_EQ(fenetre.texte(), "Traitement en cours...");
  EXPECT_EQ(fenetre.position(), 0);

  framework::emetInitProgression("MAIL", 100, 200);
  framework::emetProgression("MAIL", 150);
  EXPECT_EQ(fenetre.position(), 128);
  EXPECT_EQ(autre.position(), 0);
  framework::emetProgression("MAIL", 100);
  EXPECT_EQ(fenetre.position(), 0);
  framework::emetProgression("MAIL", 250);
  EXPECT_EQ(fenetre.position(), 255);

  framework::emetInitProgression("MAIL", 3, 3);
  framework::emetProgression("MAIL", 3.5);
  EXPECT_EQ(fenetre.position(), 128);  // divided by 1: 0.5 * 255 + 0.5

  framework::emetInformation("MAIL", "Calcul des faces...");
  EXPECT_EQ(fenetre.texte(), "Calcul des faces...");
  EXPECT_EQ(autre.texte(), "Traitement en cours...");
  EXPECT_EQ(ligne(), "") << "the messages themselves never reach the command line";
}

TEST_F(FenetreProgression, InformationLimiteeACentCaracteres) {
  FENETRE_PROGRESSION fenetre("OBJ");
  const std::string longue(150, 'a');
  framework::emetInformation("OBJ", longue);
  EXPECT_EQ(fenetre.texte(), std::string(100, 'a'));
}

TEST_F(FenetreProgression, MessageEnfouiDansUneLigne) {
  FENETRE_PROGRESSION fenetre("OBJ");
  framework::emetInitProgression("OBJ", 0, 10);
  framework::fluxErreur() << "Lecture @(PRGS OBJ P 5)terminee" << std::endl;
  EXPECT_EQ(ligne(), "Lecture terminee\n");
  EXPECT_EQ(fenetre.position(), 128);
}

TEST_F(FenetreProgression, SansParentheseFermanteRienNeBouge) {
  FENETRE_PROGRESSION fenetre("OBJ");
  framework::emetInitProgression("OBJ", 0, 10);
  framework::fluxErreur() << "@(PRGS OBJ P 10" << std::endl;
  EXPECT_EQ(ligne(), "@(PRGS OBJ P 10\n");
  EXPECT_EQ(fenetre.position(), 0);
}

TEST_F(FenetreProgression, MessagesMalFormesIgnores) {
  FENETRE_PROGRESSION fenetre("OBJ");
  framework::emetInitProgression("OBJ", 0, 10);
  framework::emetProgression("OBJ", 5);
  framework::fluxErreur() << "@(PRGS OBJ P)@(PRGS OBJ P 1,5)@(PRGS OBJ Z 9)@(PRGS OBJ I 9)"
                          << std::flush;
  EXPECT_EQ(fenetre.position(), 128);
  framework::emetProgression("OBJ", 10);
  EXPECT_EQ(fenetre.position(), 255) << "a half-read initialisation keeps the previous range";
}

}  // namespace
