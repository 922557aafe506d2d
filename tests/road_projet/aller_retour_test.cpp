// Byte-identical save, load, save with every record kind; the cubature table
// with optional reals; the quoted-string limit inside a construction line.
#include "projet_essai.h"
#include "road/axe_en_plan.h"
#include "road/cubatures.h"
#include "road/jetons_projet.h"
#include "road/projet_talvex.h"
#include "road/tags.h"

namespace {

using road::PROJETTALVEX;

// One alignment holding a child of every kind, in rough spacing and notation
// (the reader takes tokens; the writer puts its own form).
std::string projetComplet() {
  return "3D-DONNEES-TERRAIN\n\"T\" = \"\"\n+\n\t\"VMin\" = \"1.5\"\n\t\"PLANS3D\" = \"\"\n\t+\n"
         "\t\t\"TN\" = \"TN\"\n\t-\n-\n"
         "ID-AXE-EN-PLAN\nAXE1 0 250.5 3 CONS 2 1 2 3 400 500 6 90 2 1 1 PL1 2\n"
         "ELT-AXE-EN-PLAN\nD1 10 1 20 A2 1e1 -3 0.25\n"
         "ID-AXES-EN-LONG\nPL1 0 1 S1 1 2 3 4 S2 5 6 7 8 FINLONG\nPL2 .5 -1 FINLONG\n"
         "PTS-DE-AXE3D\n0 1 1 2 3 4 5 6 7 8 9\n10 1 1 2 3 4 5 6 7 8 9\n"
         "PROF-EN-TRAVERS\n0 0.2 0.3 H1\nTERRAIN P1 1 2 3 P2 4 5 6 FINTN\nROULEMENT 1 2 3 FINRL\n"
         "10.5 0 0 H2\nPROJET A 0 0 0 FINPJ\n"
         "EPAISSEUR-DE-STRUCTURE\n0.05 0.06\nnil NIL\n0.3 nil\n0.5 0.5\n"
         "CONTRUCTION-DES-PROFILS\n0 1 2 3 4 5 6 \"P \\\"1\\\"\"\n10 0 0 0 0 0 0 X\n"
         "PTS-DE-TABULATION\n1 2 3 0 1 0.5 0.6\n4 5 6 10 2 0 0\n"
         "CUBATURES\n0 1 nil 2 Nil 3 -4.5\n10 nil nil nil nil nil nil\n"
         "ID-AXE-EN-PLAN\nAXE2 0 10 1 CONS 0 0 0 0 1 1 0 50\n";
}

class AllerRetour : public ProjetEssai {};

TEST_F(AllerRetour, ToutesLesSortesDEnregistrement) {
  ecrit("complet.axs", projetComplet());
  auto p = PROJETTALVEX::ouvre(fichier("complet.axs"), 1);
  ASSERT_EQ(p->nombreAxes(), 2u);
  EXPECT_EQ(p->axes()[0]->enfants().size(), 8u);
  ASSERT_TRUE(p->sauve(fichier("a.axs")));
  const std::string premier = lit("a.axs");
  for (const char* tag :
       {road::kTagElementsPlan, road::kTagAxesEnLong, road::kTagPointsAxe3d,
        road::kTagProfilsEnTravers, road::kTagEpaisseurStructure, road::kTagConstructionProfils,
        road::kTagPointsTabulation, road::kTagCubatures})
    EXPECT_NE(premier.find(std::string(tag) + "\n"), std::string::npos) << tag;
  EXPECT_NE(premier.find("AXE1 0.000000 250.500000 3 CONS "), std::string::npos) << premier;

  auto q = PROJETTALVEX::ouvre(fichier("a.axs"), 1);
  ASSERT_TRUE(q->sauve(fichier("b.axs")));
  EXPECT_EQ(lit("b.axs"), premier);
  EXPECT_EQ(ligne(), "") << "no read error on the way";

  // The copy writes the same alignments.
  auto copie = q->duplique();
  std::ostringstream s1, s2;
  for (const auto& a : q->axes()) a->ecrit(s1);
  for (const auto& a : copie->axes()) a->ecrit(s2);
  EXPECT_EQ(s1.str(), s2.str());
}

TEST_F(AllerRetour, CubaturesEtReelsOptionnels) {
  road::TABLE_CUBATURES t;
  std::string anticipe;
  std::istringstream bon("0 1 nil 2 NIL 3 -4.5\n.5 nIL 1 1 1 1 1\nCUBATURES");
  road::prepareFlux(bon);
  EXPECT_TRUE(t.ES(bon, nullptr, anticipe));
  ASSERT_EQ(t.nombre(), 2u);
  EXPECT_FALSE(t.lignes()[0].valeurs[1].defini);
  EXPECT_TRUE(t.lignes()[0].valeurs[5].defini);
  EXPECT_DOUBLE_EQ(t.lignes()[0].valeurs[5].valeur, -4.5);
  std::string suite;
  bon >> suite;
  EXPECT_EQ(suite, "CUBATURES") << "the next tag stays in the stream";
  std::ostringstream sortie;
  road::prepareFlux(sortie);
  t.ecrit(sortie);
  EXPECT_EQ(sortie.str(),
            "CUBATURES\n0.000000 1.000000 nil 2.000000 nil 3.000000 -4.500000\n"
            "0.500000 nil 1.000000 1.000000 1.000000 1.000000 1.000000\n");

  videLigne();
  std::istringstream mauvais("0 1 2 rien 4 5 6\n1 1 1 1 1 1 1\n");
  road::prepareFlux(mauvais);
  EXPECT_FALSE(t.ES(mauvais, nullptr, anticipe));
  EXPECT_EQ(ligne(), "EPAIS_STRUCTURE::_es : attend NIL\nErreur de lecture d'un cube\n");
  ASSERT_EQ(t.nombre(), 1u) << "the faulty line is kept, the reading stops";
  EXPECT_TRUE(t.lignes()[0].valeurs[1].defini);

  road::TABLE_CUBATURES autre;
  EXPECT_TRUE(autre.affecte(t));
  EXPECT_EQ(autre.nombre(), 1u);
  road::AXE_EN_PLAN axe;
  EXPECT_FALSE(autre.affecte(axe));
  EXPECT_EQ(autre.nombre(), 1u);
}

TEST_F(AllerRetour, TexteCiteDe357Et358Caracteres) {
  auto ligneConstruction = [](size_t n) {
    return "ID-AXE-EN-PLAN\nA 0 1 1 C 0 0 0 0 1 1 0 50\nCONTRUCTION-DES-PROFILS\n"
           "0 1 1 1 1 1 1 \"" +
           std::string(n, 'n') + "\"\n";
  };
  ecrit("357.axs", ligneConstruction(357));
  auto p = PROJETTALVEX::ouvre(fichier("357.axs"), 1);
  EXPECT_EQ(ligne(), "");
  ASSERT_TRUE(p->sauve(fichier("357b.axs")));
  EXPECT_NE(lit("357b.axs").find("\"" + std::string(357, 'n') + "\"\n"), std::string::npos);

  ecrit("358.axs", ligneConstruction(358));
  auto q = PROJETTALVEX::ouvre(fichier("358.axs"), 1);
  EXPECT_TRUE(ligneContient("Erreur de lecture d'un profilcons\n"));

  // The token reader itself, with escapes counted once.
  std::optional<std::string> lu;
  std::istringstream a("\"" + std::string(356, 'a') + "\\\"\"");
  EXPECT_TRUE(road::lisTexteCite(a, lu));
  EXPECT_EQ(lu->size(), 357u);
  std::istringstream b("\"" + std::string(358, 'b') + "\"");
  EXPECT_FALSE(road::lisTexteCite(b, lu));
  std::istringstream x("  X");
  EXPECT_TRUE(road::lisTexteCite(x, lu));
  EXPECT_FALSE(lu.has_value());
}

}  // namespace
