// Pavement thicknesses: eight optional reals, four lines of left and right.
#include <gtest/gtest.h>

#include "essai_sections.h"
#include "road/epais_structure.h"

namespace {

using road::EPAIS_STRUCTURE;

TEST(EpaisStructure, NewRecordWritesEightNils) {
  EXPECT_EQ(ecrit(EPAIS_STRUCTURE()),
            "EPAISSEUR-DE-STRUCTURE\nnil nil\nnil nil\nnil nil\nnil nil\n");
}

TEST(EpaisStructure, DefinedAndUndefinedValuesRoundTrip) {
  EPAIS_STRUCTURE e;
  e.fixe(EPAIS_STRUCTURE::kGaucheRoulement, 0.06, true);
  e.fixe(EPAIS_STRUCTURE::kDroiteBase, -0.2, true);
  e.fixe(EPAIS_STRUCTURE::kDroiteForme, 0, true);
  e.fixe(EPAIS_STRUCTURE::kGaucheForme, 7, false);
  const std::string texte = ecrit(e);
  EXPECT_EQ(texte, "EPAISSEUR-DE-STRUCTURE\n0.060000 nil\nnil -0.200000\nnil nil\nnil 0.000000\n");

  EPAIS_STRUCTURE relu;
  const Lecture l = lisEnregistrement(relu, texte + "CUBATURES\n");
  EXPECT_TRUE(l.resultat);
  EXPECT_EQ(l.reste, "\nCUBATURES\n") << "no end word: the next tag stays in the stream";
  EXPECT_TRUE(relu.valeur(EPAIS_STRUCTURE::kDroiteForme).defini) << "a defined zero stays defined";
  EXPECT_FALSE(relu.valeur(EPAIS_STRUCTURE::kGaucheForme).defini);
  EXPECT_EQ(relu.valeur(EPAIS_STRUCTURE::kGaucheForme).valeur, 0);
  EXPECT_EQ(ecrit(relu), texte);
}

TEST(EpaisStructure, NilInAnyCaseAndOtherWordsFail) {
  EPAIS_STRUCTURE e;
  lisEnregistrement(e, "EPAISSEUR-DE-STRUCTURE NIL Nil .5 -1e1 nil nil nil 3");
  EXPECT_EQ(ecrit(e),
            "EPAISSEUR-DE-STRUCTURE\nnil nil\n0.500000 -10.000000\nnil nil\nnil 3.000000\n");

  CaptureErreurs erreurs;
  EPAIS_STRUCTURE mauvais;
  EXPECT_FALSE(lisEnregistrement(mauvais, "EPAISSEUR-DE-STRUCTURE 1 2 zero 4 5 6 7 8").resultat);
  EXPECT_EQ(erreurs.texte(), "EPAIS_STRUCTURE::_es : attend NIL\n");
  EXPECT_FALSE(lisEnregistrement(mauvais, "EPAISSEUR-DE-STRUCTURE 1 2 3").resultat) << "truncated";
}

TEST(EpaisStructure, SymbolsInFileOrder) {
  std::string symboles;
  for (int v = 0; v < EPAIS_STRUCTURE::kNombreValeurs; ++v)
    symboles +=
        std::string(EPAIS_STRUCTURE::symbole(static_cast<EPAIS_STRUCTURE::Valeur>(v))) + " ";
  EXPECT_EQ(symboles, "EPG-RL EPD-RL EPG-BA EPD-BA EPG-FD EPD-FD EPG-FR EPD-FR ");
}

}  // namespace
