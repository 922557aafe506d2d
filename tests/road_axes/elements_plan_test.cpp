// Elements in plan: all on one line, read word by word up to the next tag.
#include <gtest/gtest.h>

#include "outils_axes.h"
#include "road/elements_plan.h"

namespace road {
namespace {

class ElementsPlan : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { enregistreTypes(); }
};

TEST_F(ElementsPlan, TousLesElementsSurUneLigneDansLOrdreDuFichier) {
  ELM_ELMAXEPLAN elements;
  elements.ajoute({"D1", 0, 1, 120.5});
  elements.ajoute({"C2", 120.5, -2, -350});
  const std::string texte = texteDe(elements);
  EXPECT_EQ(texte,
            "ELT-AXE-EN-PLAN\n"
            "D1 0.000000 1 120.500000 C2 120.500000 -2 -350.000000\n");

  ELM_ELMAXEPLAN relu;
  Lecture lecture(relu, texte);
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(relu.elements(), elements.elements());
  EXPECT_EQ(relu.nombre(), 2);
  EXPECT_EQ(texteDe(relu), texte);
}

TEST_F(ElementsPlan, UneListeVideSeRelitVide) {
  ELM_ELMAXEPLAN vide;
  EXPECT_EQ(texteDe(vide), "ELT-AXE-EN-PLAN\n\n");
  ELM_ELMAXEPLAN relu;
  relu.ajoute({"ANCIEN", 1, 1, 1});
  Lecture lecture(relu, texteDe(vide) + "ID-AXES-EN-LONG\n");
  EXPECT_EQ(relu.nombre(), 0);
  EXPECT_EQ(lecture.anticipe, "ID-AXES-EN-LONG");
}

TEST_F(ElementsPlan, UnTagEnToutesCassesTermineLaListe) {
  ELM_ELMAXEPLAN elements;
  Lecture lecture(elements, "ELT-AXE-EN-PLAN\nD1 0 1 2\npts-de-axe3d\n1 2 3");
  EXPECT_EQ(elements.nombre(), 1);
  EXPECT_EQ(lecture.anticipe, "pts-de-axe3d");
  EXPECT_EQ(lecture.reste(), "\n1 2 3");
}

TEST_F(ElementsPlan, UnElementIllisibleEstSignaleEtGarde) {
  CaptureErreurs erreurs;
  ELM_ELMAXEPLAN elements;
  Lecture lecture(elements, "ELT-AXE-EN-PLAN\nD1 0 1 2 C2 5.5 pas-un-entier 7 D3 1 1 1\n");
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(erreurs.texte(), "ELM_ELMAXEPLAN::ES Erreur de lecture d'un elm\n");
  ASSERT_EQ(elements.nombre(), 2);
  EXPECT_EQ(elements.elements()[1].nom, "C2");
  EXPECT_EQ(elements.elements()[1].valeur1, 5.5);
}

TEST_F(ElementsPlan, UnFichierTronqueGardeLeDernierElement) {
  CaptureErreurs erreurs;
  ELM_ELMAXEPLAN elements;
  Lecture lecture(elements, "ELT-AXE-EN-PLAN\nD1 0 1 2 C2 5.5");
  EXPECT_EQ(erreurs.texte(), "ELM_ELMAXEPLAN::ES Erreur de lecture d'un elm\n");
  EXPECT_EQ(elements.nombre(), 2);
}

TEST_F(ElementsPlan, AffecterCopieChampParChampEtRefuseUnAutreType) {
  ELM_ELMAXEPLAN source;
  source.ajoute({"D1", 0, 1, 2});
  ELM_ELMAXEPLAN cible;
  ASSERT_TRUE(cible.affecte(source));
  source.elements()[0].nom = "X";
  EXPECT_EQ(cible.elements()[0].nom, "D1");

  std::unique_ptr<OBJET_ES> copie = cible.duplique();
  EXPECT_EQ(texteDe(*copie), texteDe(cible));

  struct Autre final : OBJET_ES {
    const char* identifiant() const override { return "AUTRE"; }
    bool ecrit(std::ostream&) const override { return true; }
    bool ES(std::istream&, OBJET_ES*, std::string&) override { return true; }
    std::unique_ptr<OBJET_ES> duplique() const override { return nullptr; }
    bool affecte(const OBJET_ES&) override { return false; }
    bool relisible() const override { return true; }
  } autre;
  EXPECT_FALSE(cible.affecte(autre));
  EXPECT_EQ(cible.nombre(), 1);
}

}  // namespace
}  // namespace road
