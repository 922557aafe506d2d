// "ecri_info_0": the alignment made from the symbols, replaced by name.
#include "api_essai.h"
#include "road/elements_plan.h"
#include "road/epais_structure.h"

namespace {

using road::AXE_EN_PLAN;

TEST_F(ApiEssai, CreationDeuxFoisLaisseLaSecondeEnFin) {
  creeAxe("A1", 10.0);
  creeAxe("B2");
  creeAxe("a1", 20.0);
  const auto projet = relu();
  ASSERT_EQ(projet->nombreAxes(), 2u);
  EXPECT_EQ(projet->axes()[0]->nom, "B2");
  const AXE_EN_PLAN& dernier = *projet->axes()[1];
  EXPECT_EQ(dernier.nom, "a1");
  EXPECT_DOUBLE_EQ(dernier.abscisseDebut, 20.0);
  EXPECT_DOUBLE_EQ(dernier.abscisseFin, 500.0);
  EXPECT_EQ(dernier.premierProfil, 1);
  EXPECT_EQ(dernier.vitesseReference, "80");
  EXPECT_EQ(dernier.planConstruction, "PLAN");
  EXPECT_DOUBLE_EQ(dernier.hautDroit[1], 100.0);
  ASSERT_NE(dernier.elements(), nullptr);
  ASSERT_EQ(dernier.elements()->elements().size(), 2u);
  EXPECT_EQ(dernier.elements()->elements()[1], (road::ELEMENT_PLAN{"C2", 4.0, 5, 6.0}));
  ASSERT_NE(dernier.epaisseurs(), nullptr);
  EXPECT_FALSE(dernier.epaisseurs()->valeur(road::EPAIS_STRUCTURE::kDroiteForme).defini);
}

TEST_F(ApiEssai, VitesseNonFixeeLaisseSaMarque) {
  creeAxe("A1");
  lisp("(setq VIT-REF nil)");
  appelle(road::CreationAxe, "");
  EXPECT_EQ(relu()->trouveAxe("A1")->vitesseReference, "BUG_VARI_VIT-REF");
  EXPECT_TRUE(ligneContient("Variable VIT-REF indefinie"));
}

TEST_F(ApiEssai, ListeLaxePCasseeGardeLesElementsAvant) {
  lisp(
      "(setq NMAXE-P \"A1\" LAXE-P '((\"D1\" 1.0 2 3.0) (\"C2\" 4.0 5 6.0) 7 (\"D3\" 1.0 1 1.0)))");
  appelle(road::CreationAxe, "");
  const auto projet = relu();
  ASSERT_NE(projet->trouveAxe("A1"), nullptr);
  EXPECT_EQ(projet->trouveAxe("A1")->elements()->elements().size(), 2u);
}

TEST_F(ApiEssai, NomsTropLongsOuAvecBlancRefuses) {
  creeAxe("A1");
  const std::string avant = texteProjet();
  videLigne();
  lisp("(setq NMAXE-P \"UN NOM\")");
  appelle(road::CreationAxe, "");
  lisp("(setq NMAXE-P \"A2\" LAXE-P '((\"D1234567890123456789012345678901\" 1.0 2 3.0)))");
  appelle(road::CreationAxe, "");
  const std::string messages = ligne();
  const auto premier = messages.find("CreationAxe: parametres incorrects");
  ASSERT_NE(premier, std::string::npos);
  EXPECT_NE(messages.find("CreationAxe: parametres incorrects", premier + 1), std::string::npos);
  EXPECT_EQ(texteProjet(), avant);
}

}  // namespace
