// The counted forms that the readers still accept (1: quoted texts, 2: with
// binary kind and number), the version marker in front of a list, and the
// limits that keep bad files from doing harm.
#include <gtest/gtest.h>

#include <sstream>

#include "capture_erreurs.h"
#include "framework/parametre.h"

namespace {

using framework::LISTE_PARAMETRES;
using framework::PARAMETRE;
using namespace std::string_literals;

struct Lecture {
  bool ok;
  LISTE_PARAMETRES noeuds;
  std::string erreurs;
};

Lecture lireFichier(const std::string& octets, int mode) {
  CaptureErreurs capture;
  std::istringstream flux(octets);
  Lecture l;
  l.ok = framework::lireFichier(flux, mode, l.noeuds);
  l.erreurs = capture.texte();
  return l;
}

Lecture lireListe(const std::string& octets, int version = -1) {
  CaptureErreurs capture;
  std::istringstream flux(octets);
  Lecture l;
  l.ok = framework::lireListe(flux, version, l.noeuds);
  l.erreurs = capture.texte();
  return l;
}

// Every kind, numbers that show byte order, texts that need escapes and a
// value holding a zero byte.
LISTE_PARAMETRES arbreEchantillon() {
  LISTE_PARAMETRES liste;
  PARAMETRE& racine = liste.emplace_back("dit \"C:\\x\"", std::nullopt);
  racine.fixeEntierTexte(-5, "moins cinq");
  PARAMETRE& reel = racine.enfants.emplace_back("reel", std::nullopt);
  reel.fixeReel(0.1);
  PARAMETRE& entier = racine.enfants.emplace_back(std::nullopt, std::nullopt);
  entier.fixeEntier(70000);
  entier.enfants.emplace_back("zero", std::nullopt).fixeValeur("a\0b", 3);
  liste.emplace_back("seul", "\\");
  return liste;
}

std::string noeudsAuNiveau(const LISTE_PARAMETRES& liste, int niveau) {
  std::ostringstream flux;
  for (const PARAMETRE& p : liste) p.ecrire(flux, niveau);
  return flux.str();
}

TEST(ParametreCompte, CountedNodesRoundTripAtBothLevels) {
  const LISTE_PARAMETRES arbre = arbreEchantillon();
  for (int niveau : {1, 2}) {
    const Lecture l = lireFichier(noeudsAuNiveau(arbre, niveau), framework::kModeCompte2);
    EXPECT_TRUE(l.ok) << niveau << l.erreurs;
    EXPECT_EQ(l.noeuds, arbre) << niveau;
  }
  std::ostringstream flux;
  framework::ecrireListe(flux, arbre, 1);
  EXPECT_EQ(flux.str().substr(0, 5), "V2 2 ");
  const Lecture l = lireListe(flux.str());
  EXPECT_TRUE(l.ok) << l.erreurs;
  EXPECT_EQ(l.noeuds, arbre);
}

TEST(ParametreCompte, BinaryFieldsAreLittleEndian) {
  PARAMETRE entier("id", std::nullopt);
  entier.fixeEntierTexte(258, "v");
  std::ostringstream flux;
  entier.ecrire(flux, 2);
  EXPECT_EQ(flux.str(),
            "\x03\0\0\0\x02\x01\0\0"
            "0 \"id\"\"v\""s);

  PARAMETRE reel("r", "1.5");
  reel.type = framework::kParametreReel;
  reel.reel = 1.5;
  flux.str("");
  reel.ecrire(flux, 1);
  EXPECT_EQ(flux.str(),
            "\x01\0\0\0\0\0\0\0\0\0\xF8\x3F"
            "V2 0 \"r\"\"1.5\""s);
}

TEST(ParametreCompte, CountedForm1ReadsQuotedTextsWithBackslashTakingTheNextCharacter) {
  const Lecture l =
      lireFichier("\"a\" \"1\"\n\"b\" X\n\"c\\\\d\\\"e\" \"f\\g\"\n", framework::kModeCompte1);
  EXPECT_TRUE(l.ok) << l.erreurs;
  LISTE_PARAMETRES attendus;
  attendus.emplace_back("a", "1");
  attendus.emplace_back("b", std::nullopt);
  attendus.emplace_back("c\\d\"e", "fg");
  EXPECT_EQ(l.noeuds, attendus);
}

TEST(ParametreCompte, QuotedTextsHoldAtMost357Characters) {
  const std::string t357(357, 'x'), t358(358, 'x');
  Lecture l = lireFichier("\"a\" \"" + t357 + "\"", framework::kModeCompte1);
  EXPECT_TRUE(l.ok);
  ASSERT_EQ(l.noeuds.size(), 1u);
  EXPECT_EQ(l.noeuds.front().valeur, t357);

  l = lireFichier("\"a\" \"" + t358 + "\"", framework::kModeCompte1);
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de la valeur de a\n");

  l = lireFichier("\"" + t358 + "\" \"v\"", framework::kModeCompte1);
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de l'identifiant d'un parametre\n");
}

TEST(ParametreCompte, ATextTheReaderWouldRefuseFailsTheWriteInstead) {
  LISTE_PARAMETRES liste;
  liste.emplace_back("a", std::string(357, 'x')).enfants.emplace_back("b", std::string(358, 'y'));
  std::ostringstream flux;
  framework::ecrireListe(flux, liste, 1);
  EXPECT_TRUE(flux.fail()) << "the counted form holds 357 characters at most";
  liste.front().enfants.front().valeur->pop_back();
  flux = std::ostringstream();
  framework::ecrireListe(flux, liste, 1);
  ASSERT_FALSE(flux.fail());
  const Lecture l = lireListe(flux.str());
  EXPECT_TRUE(l.ok) << l.erreurs;
  EXPECT_EQ(l.noeuds, liste);
}

TEST(ParametreCompte, TheInputTellsTheFormOfAList) {
  Lecture l = lireListe("+ a = b -");
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.noeuds.size(), 1u);

  l = lireListe("V0 + a = b c = d -");
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.noeuds.size(), 2u);

  l = lireListe("2 \"a\" \"b\" \"c\" X");  // no marker: counted form 1
  EXPECT_TRUE(l.ok) << l.erreurs;
  ASSERT_EQ(l.noeuds.size(), 2u);
  EXPECT_EQ(l.noeuds.back(), PARAMETRE("c", std::nullopt));

  l = lireListe("V1 1 \"a\" \"b\"");
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.noeuds.size(), 1u);
}

TEST(ParametreCompte, VersionsOutOfRangeAreReportedWithAnEmptyList) {
  Lecture l = lireListe("V-1 1 \"a\" \"b\"");
  EXPECT_FALSE(l.ok);
  EXPECT_TRUE(l.noeuds.empty());
  EXPECT_EQ(l.erreurs, "Erreur de chargement de parametre avec version -1\n");

  l = lireListe("V3 0 ");
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de chargement de parametre avec version 3\n");

  l = lireListe("V99999999999999999999 0 ");
  EXPECT_FALSE(l.ok);
  EXPECT_TRUE(l.noeuds.empty());
}

TEST(ParametreCompte, CountsLargerThanTheInputStopAtItsEnd) {
  Lecture l = lireListe("V1 1000000000000 \"a\" \"b\"");
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.noeuds.size(), 1u) << "what was read before stays";
  EXPECT_EQ(l.erreurs, "Erreur de lecture de l'identifiant d'un parametre\n");

  l = lireListe("V2 4000000000 ");
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de l'ID\n");

  l = lireListe("V2 beaucoup ");
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs,
            "Erreur de lecture de parametres : nombre d'elements incorrect <beaucoup>\n");
}

TEST(ParametreCompte, ATruncatedFileIsBadExceptAtANodeBoundary) {
  const LISTE_PARAMETRES arbre = arbreEchantillon();
  std::string octets;
  std::vector<size_t> limites;
  for (const PARAMETRE& p : arbre) {
    std::ostringstream flux;
    p.ecrire(flux, 2);
    octets += flux.str();
    limites.push_back(octets.size());
  }
  for (size_t n = 0; n <= octets.size(); ++n) {
    const Lecture l = lireFichier(octets.substr(0, n), framework::kModeCompte2);
    size_t complets = 0;
    bool limite = n == 0;
    for (size_t fin : limites) {
      if (fin <= n) ++complets;
      if (fin == n) limite = true;
    }
    EXPECT_EQ(l.ok, limite) << n;
    EXPECT_EQ(l.noeuds.size(), complets) << n;
  }
}

TEST(ParametreCompte, UnknownKindIsReported) {
  const Lecture l = lireFichier(
      "\x07\0\0\0"
      "0 \"a\"\"b\""s,
      framework::kModeCompte2);
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de parametres : type 7 inconnu\n");
}

}  // namespace
