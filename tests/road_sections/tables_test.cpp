// The construction and tabulation tables: their lines, the end of a table at
// the next tag, read failures that keep the entry, lookups and renumbering.
#include <gtest/gtest.h>

#include <string>

#include "essai_sections.h"
#include "road/construction_profil.h"
#include "road/tabulation.h"

namespace {

using road::CONSTRUCTION_PROFIL;
using road::PROFILCONS;
using road::TABLE_TABULATION;

const std::string kConstruction =
    "CONTRUCTION-DES-PROFILS\n"
    "0.000000 1 0 -3 2147483647 0 5 \"12\"\n"
    "25.500000 0 0 0 0 0 0 X\n"
    "12.000000 0 0 0 0 0 0 \"P \\\"a\\\\b\\\"\"\n";

TEST(Construction, RoundTripKeepsFileOrderAndAbsentNumbers) {
  CONSTRUCTION_PROFIL c;
  const Lecture l = lisEnregistrement(c, kConstruction + "PTS-DE-TABULATION\n");
  EXPECT_TRUE(l.resultat);
  EXPECT_EQ(l.anticipe, "");
  EXPECT_EQ(l.reste, "PTS-DE-TABULATION\n") << "the next tag stays in the stream";
  ASSERT_EQ(c.nombre(), 3u);
  EXPECT_FALSE(c.entrees()[1].numero.has_value());
  EXPECT_EQ(c.entrees()[2].numero, "P \"a\\b\"");
  EXPECT_EQ(c.entrees()[0].entiers[3], 2147483647);
  EXPECT_EQ(ecrit(c), kConstruction);
}

TEST(Construction, BadLineIsReportedAndKept) {
  CaptureErreurs erreurs;
  CONSTRUCTION_PROFIL c;
  lisEnregistrement(
      c, "CONTRUCTION-DES-PROFILS 1 0 0 0 0 0 0 \"a\"\n2 0 0 x 0 0 0 \"b\"\n3 0 0 0 0 0 0 X\n");
  EXPECT_EQ(erreurs.texte(), "Erreur de lecture d'un profilcons\n");
  ASSERT_EQ(c.nombre(), 2u);
  EXPECT_EQ(c.entrees()[1].abscisse, 2);
  EXPECT_FALSE(c.entrees()[1].numero);

  CaptureErreurs erreursTexte;
  CONSTRUCTION_PROFIL longue;
  lisEnregistrement(longue,
                    "CONTRUCTION-DES-PROFILS 1 0 0 0 0 0 0 \"" + std::string(358, 'n') + "\"");
  EXPECT_EQ(erreursTexte.texte(), "Erreur de lecture d'un profilcons\n");
  ASSERT_EQ(longue.nombre(), 1u);
  EXPECT_FALSE(longue.entrees()[0].numero) << "a number that cannot be read is absent";

  CONSTRUCTION_PROFIL limite;
  lisEnregistrement(limite,
                    "CONTRUCTION-DES-PROFILS 1 0 0 0 0 0 0 \"" + std::string(357, 'n') + "\"");
  ASSERT_EQ(limite.nombre(), 1u);
  EXPECT_EQ(limite.entrees()[0].numero->size(), 357u);
}

PROFILCONS entree(double abscisse, const char* numero) {
  PROFILCONS e;
  e.abscisse = abscisse;
  e.numero = numero;
  return e;
}

TEST(Construction, OrderedInsertFindRemove) {
  CONSTRUCTION_PROFIL c;
  c.insere(entree(50, "c"));
  c.insere(entree(10, "a"));
  c.insere(entree(50, "d"));
  c.insere(entree(30, "b"));
  std::string ordre;
  for (const auto& e : c.entrees()) ordre += *e.numero;
  EXPECT_EQ(ordre, "abcd");

  size_t position = 0;
  ASSERT_NE(c.trouve(49.9991, &position), nullptr);
  EXPECT_EQ(*c.trouve(50)->numero, "c");
  EXPECT_EQ(position, 2u);
  EXPECT_EQ(c.trouve(49.998), nullptr);
  ASSERT_TRUE(c.retire(position));
  EXPECT_EQ(*c.trouve(50)->numero, "d");
  EXPECT_FALSE(c.retire(3));

  c.decale(2.5);
  EXPECT_EQ(c.entrees()[0].abscisse, 12.5);
}

TEST(Construction, RenumberFromFirstWithStep) {
  CONSTRUCTION_PROFIL c;
  for (double a : {0.0, 10.0, 20.0}) c.insere(entree(a, "x"));
  c.renumerote(10, 2);
  EXPECT_EQ(*c.entrees()[0].numero, "10");
  EXPECT_EQ(*c.entrees()[1].numero, "12");
  EXPECT_EQ(*c.entrees()[2].numero, "14");
  c.renumerote(-1, 1);
  EXPECT_EQ(*c.entrees()[0].numero, "-1");
  EXPECT_EQ(*c.entrees()[1].numero, "0");
  EXPECT_EQ(*c.entrees()[2].numero, "1");
}

const std::string kTabulation =
    "PTS-DE-TABULATION\n"
    "100.000000 200.000000 10.500000 0.000000 1 0.000000 0.000000\n"
    "110.000000 200.000000 10.600000 10.000000 -5 1.500000 -2.000000\n";

TEST(Tabulation, RoundTripAndEndAtTheNextTag) {
  TABLE_TABULATION t;
  const Lecture l = lisEnregistrement(t, kTabulation + "CUBATURES\n");
  EXPECT_TRUE(l.resultat);
  EXPECT_EQ(l.reste, "CUBATURES\n");
  ASSERT_EQ(t.nombre(), 2u);
  EXPECT_EQ(t.points()[1].kind, -5);
  EXPECT_EQ(ecrit(t), kTabulation);
}

TEST(Tabulation, FailedPointKeepsItsPositionOnly) {
  CaptureErreurs erreurs;
  TABLE_TABULATION t;
  lisEnregistrement(t, "PTS-DE-TABULATION 1 2 3 40 7 x 9\n");
  EXPECT_EQ(erreurs.texte(), "Erreur de lecture d'un pt de tabulation\n");
  ASSERT_EQ(t.nombre(), 1u);
  const auto& p = t.points()[0];
  EXPECT_EQ(p.x, 1);
  EXPECT_EQ(p.z, 3);
  EXPECT_EQ(p.abscisse, 0);
  EXPECT_EQ(p.kind, 0);
  EXPECT_EQ(p.valeur1, 0);
  EXPECT_EQ(p.valeur2, 0);

  CaptureErreurs erreursEntier;
  TABLE_TABULATION grand;
  lisEnregistrement(grand, "PTS-DE-TABULATION 1 2 3 40 99999999999 1 2\n");
  EXPECT_EQ(erreursEntier.texte(), "Erreur de lecture d'un pt de tabulation\n")
      << "a kind beyond 32 bits is a read error";
}

TEST(Tabulation, FindWithinOneMicron) {
  TABLE_TABULATION t;
  road::POINT_TABULATION p;
  p.abscisse = 10;
  t.ajoute(p);
  EXPECT_NE(t.trouve(10.0000009), nullptr);
  EXPECT_EQ(t.trouve(10.000002), nullptr);
  t.decale(-10);
  EXPECT_NE(t.trouve(0), nullptr);
}

}  // namespace
