// Damaged alignments: every cut of a valid text, binary noise and huge
// numbers load what they can and end, without a crash.
#include <gtest/gtest.h>

#include <random>

#include "outils_axes.h"
#include "road/axe_en_plan.h"
#include "road/elements_plan.h"

namespace road {
namespace {

const std::string kAxeComplet =
    "ID-AXE-EN-PLAN\n"
    "RN7 0.000000 1250.500000 1 PLAN-AXE 12 100.000000 200.000000 0.000000 900.000000 "
    "1100.000000 0.000000 80 1 PL1 1\n"
    "ELT-AXE-EN-PLAN\n"
    "D1 0.000000 1 120.500000 C2 120.500000 2 -350.000000\n"
    "ID-AXES-EN-LONG\n"
    "PL1 0.000000 3.500000 S1 0.000000 101.250000 0 0.000000 FINLONG\n"
    "PTS-DE-AXE3D\n"
    "0.000000 0.000000 100.000000 200.000000 101.250000 96.500000 200.000000 101.100000 "
    "103.500000 200.000000 101.100000\n";

class LectureRobuste : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { enregistreTypes(); }
};

TEST_F(LectureRobuste, ChaqueCoupureDuTexteSeLitSansPlanter) {
  CaptureErreurs silence;
  AXE_EN_PLAN complet;
  Lecture lectureComplete(complet, kAxeComplet);
  ASSERT_EQ(texteDe(complet), kAxeComplet);
  for (size_t n = 0; n < kAxeComplet.size(); ++n) {
    AXE_EN_PLAN axe;
    Lecture lecture(axe, kAxeComplet.substr(0, n));
    // A cut loses the end, never invents records.
    ASSERT_LE(axe.enfants().size(), complet.enfants().size()) << n;
    for (size_t i = 0; i < axe.enfants().size(); ++i)
      EXPECT_EQ(axe.enfants()[i]->identifiant(), complet.enfants()[i]->identifiant()) << n;
  }
}

TEST_F(LectureRobuste, LeBruitBinaireNeBouclePas) {
  CaptureErreurs silence;
  std::mt19937 hasard(7);
  for (int essai = 0; essai < 200; ++essai) {
    std::string texte = kAxeComplet;
    for (int k = 0; k < 8; ++k) texte[hasard() % texte.size()] = static_cast<char>(hasard() % 256);
    AXE_EN_PLAN axe;
    Lecture lecture(axe, texte);
    EXPECT_LE(axe.enfants().size(), 4u);
  }
}

TEST_F(LectureRobuste, LesNombresEnormesFontEchouerSansPlanter) {
  CaptureErreurs erreurs;
  AXE_EN_PLAN axe;
  Lecture lecture(axe, "ID-AXE-EN-PLAN\nRN7 1e999 0 99999999999 P 0 0 0 0 0 0 0 80\n");
  EXPECT_FALSE(lecture.resultat);

  ELM_ELMAXEPLAN elements;
  Lecture lectureElements(elements, "ELT-AXE-EN-PLAN\nD1 0 99999999999 0\n");
  EXPECT_EQ(elements.nombre(), 1);
  EXPECT_NE(erreurs.texte().find("ELM_ELMAXEPLAN::ES Erreur de lecture d'un elm"),
            std::string::npos);
}

}  // namespace
}  // namespace road
