// Lookups in a parameter tree, splitting a text into nodes, and setting a
// node from a number.
#include <gtest/gtest.h>

#include "framework/parametre.h"

namespace {

using framework::LISTE_PARAMETRES;
using framework::PARAMETRE;

LISTE_PARAMETRES clients() {
  LISTE_PARAMETRES liste;
  PARAMETRE& zuzoza = liste.emplace_back("Zuzoza", "/z");
  zuzoza.enfants.emplace_back("Chantier1", "/z/1");
  zuzoza.enfants.emplace_back("Chantier2", "/z/2").enfants.emplace_back("Lot", "/z/2/l");
  zuzoza.enfants.emplace_back("chantier2", "/z/2bis");
  liste.emplace_back("Été", "/e");
  return liste;
}

TEST(ParametreRecherche, ChildByIdentifierIsCaseSensitiveAndTakesTheFirst) {
  LISTE_PARAMETRES liste = clients();
  PARAMETRE& zuzoza = liste.front();
  ASSERT_NE(zuzoza.trouve("chantier2"), nullptr);
  EXPECT_EQ(zuzoza.trouve("chantier2")->valeur, "/z/2bis");
  EXPECT_EQ(zuzoza.trouve("Chantier2")->valeur, "/z/2");
  EXPECT_EQ(zuzoza.trouve("CHANTIER1"), nullptr);
  EXPECT_EQ(framework::trouveDans(liste, "zuzoza"), nullptr);
}

TEST(ParametreRecherche, FindOrCreateAddsOnceAtTheEnd) {
  PARAMETRE p("racine", "r");
  PARAMETRE& a = p.trouveOuCree("ProfilAcad");
  a.valeur = "profil";
  EXPECT_EQ(&p.trouveOuCree("ProfilAcad"), &a);
  p.trouveOuCree("Autre");
  ASSERT_EQ(p.enfants.size(), 2u);
  EXPECT_EQ(p.enfants.front().valeur, "profil");
  EXPECT_FALSE(p.enfants.back().valeur.has_value());
}

TEST(ParametreRecherche, PathsIgnoreAsciiCaseOnly) {
  LISTE_PARAMETRES liste = clients();
  PARAMETRE* lot = framework::trouveParChemin(liste, "/ZUZOZA/chantier2/LOT");
  ASSERT_NE(lot, nullptr);
  EXPECT_EQ(lot->valeur, "/z/2/l");
  EXPECT_EQ(framework::trouveParChemin(liste, "zuzoza/CHANTIER2")->valeur, "/z/2") << "first match";
  EXPECT_NE(framework::trouveParChemin(liste, "/ÉTé"), nullptr);
  EXPECT_EQ(framework::trouveParChemin(liste, "/éTé"), nullptr)
      << "accented letters compare exactly";
  EXPECT_EQ(framework::trouveParChemin(liste, "/Zuzoza/Absent"), nullptr);
  EXPECT_EQ(liste.front().trouveParChemin("chantier2/lot"), lot);
}

TEST(ParametreRecherche, SplitGivesOneNodePerPiece) {
  LISTE_PARAMETRES l = framework::decoupe("P,,PL,", ',', false);
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l.front(), PARAMETRE("P", "P"));
  EXPECT_EQ(std::next(l.begin())->identifiant, "");
  EXPECT_EQ(std::next(l.begin(), 2)->valeur, "PL");

  l = framework::decoupe("P,,PL,", ',', true);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l.back(), PARAMETRE("PL", "PL"));
  EXPECT_TRUE(framework::decoupe("", ',', true).empty());
}

TEST(ParametreRecherche, NumbersSetTheKindAndTheText) {
  PARAMETRE p;
  p.fixeReel(2.5);
  EXPECT_EQ(p.type, framework::kParametreReel);
  EXPECT_EQ(p.reel, 2.5);
  EXPECT_EQ(p.valeur, "2.5");
  p.fixeEntier(-12);
  EXPECT_EQ(p.type, framework::kParametreEntier);
  EXPECT_EQ(p.valeur, "-12");
  p.fixeEntierTexte(3);
  EXPECT_EQ(p.type, framework::kParametreEntierTexte);
  EXPECT_EQ(p.valeur, "3");
  p.fixeEntierTexte(3, "trois");
  EXPECT_EQ(p.entier, 3);
  EXPECT_EQ(p.valeur, "trois");
}

}  // namespace
