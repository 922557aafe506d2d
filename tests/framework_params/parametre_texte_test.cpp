// Parameter trees in the text form: what every file of the system is written in.
#include <gtest/gtest.h>

#include <sstream>

#include "capture_erreurs.h"
#include "core/session.h"
#include "framework/message_stream.h"
#include "framework/parametre.h"

namespace {

using framework::LISTE_PARAMETRES;
using framework::PARAMETRE;

struct Lecture {
  bool ok;
  LISTE_PARAMETRES noeuds;
  std::string erreurs;
};

Lecture lireTexte(const std::string& texte, int mode = framework::kModeTexte) {
  CaptureErreurs capture;
  std::istringstream flux(texte);
  Lecture l;
  l.ok = framework::lireFichier(flux, mode, l.noeuds);
  l.erreurs = capture.texte();
  return l;
}

std::string ecrireTexte(const LISTE_PARAMETRES& liste, int niveau = 0) {
  std::ostringstream flux;
  framework::ecrireListe(flux, liste, niveau);
  return flux.str();
}

TEST(ParametreTexte, CommentLinesBetweenNodesAreSkipped) {
  const Lecture l = lireTexte("a = b\n# c = commentaire\nc = d\n");
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.erreurs, "");
  ASSERT_EQ(l.noeuds.size(), 2u);
  EXPECT_EQ(l.noeuds.front(), PARAMETRE("a", "b"));
  EXPECT_EQ(l.noeuds.back(), PARAMETRE("c", "d"));
}

TEST(ParametreTexte, QuotesInsideTextsRoundTrip) {
  LISTE_PARAMETRES liste;
  liste.emplace_back("x", "il dit \"oui\"");
  liste.emplace_back("chemin", "C:\\Clients\\Dupont");
  const std::string texte = ecrireTexte(liste);
  EXPECT_EQ(texte, "\"x\" = \"il dit \\\"oui\\\"\"\n\"chemin\" = \"C:\\Clients\\Dupont\"\n");
  const Lecture l = lireTexte(texte);
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.noeuds, liste);
}

TEST(ParametreTexte, ChildrenAreIndentedWithTabsAndReadBackInOrder) {
  LISTE_PARAMETRES liste;
  PARAMETRE& racine = liste.emplace_back("Zuzoza", "/clients/zuzoza");
  PARAMETRE& chantier = racine.enfants.emplace_back("Chantier1", "c1");
  chantier.enfants.emplace_back("Lot", "A");
  racine.enfants.emplace_back("Chantier2", "c2");
  liste.emplace_back("Autre", "");

  const std::string texte = ecrireTexte(liste);
  EXPECT_EQ(texte,
            "\"Zuzoza\" = \"/clients/zuzoza\"\n"
            "+\n"
            "\t\"Chantier1\" = \"c1\"\n"
            "\t+\n"
            "\t\t\"Lot\" = \"A\"\n"
            "\t-\n"
            "\t\"Chantier2\" = \"c2\"\n"
            "-\n"
            "\"Autre\" = \"\"\n");
  const Lecture l = lireTexte(texte);
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.noeuds, liste);
}

TEST(ParametreTexte, AbsentTextsAreWrittenAsXAndReadBackAbsent) {
  LISTE_PARAMETRES liste;
  liste.emplace_back(std::nullopt, "v");
  liste.emplace_back("sansvaleur", std::nullopt);
  liste.emplace_back("X", "X");  // quoted, so a real text
  const std::string texte = ecrireTexte(liste);
  EXPECT_EQ(texte, "X = \"v\"\n\"sansvaleur\" = X\n\"X\" = \"X\"\n");
  const Lecture l = lireTexte(texte);
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.noeuds, liste);
}

TEST(ParametreTexte, ABackslashBeforeAQuoteKeepsTheFileReadable) {
  // The text form cannot hold a backslash right before a quote: the next
  // nodes must survive it.
  LISTE_PARAMETRES liste;
  liste.emplace_back("rep", "C:\\Clients\\");
  liste.emplace_back("suivant", "2");
  const Lecture l = lireTexte(ecrireTexte(liste));
  EXPECT_TRUE(l.ok) << l.erreurs;
  ASSERT_EQ(l.noeuds.size(), 2u);
  EXPECT_EQ(l.noeuds.back(), PARAMETRE("suivant", "2"));
}

TEST(ParametreTexte, BackslashesAndQuotesReadBackExactlyAfterAnyNumberOfSaves) {
  // A backslash at the end or before a quote once gained one backslash per
  // save, until the value ate its closing quote.
  LISTE_PARAMETRES liste;
  for (const char* v : {"C:\\Clients\\", "\\", "\\\\", "a\\\"b", "\\\\\"", "\"\\", "x\\\\\\y\\\\"})
    liste.emplace_back(v, v);
  liste.emplace_back("suivant", "2");
  std::string texte = ecrireTexte(liste);
  for (int sauvegarde = 0; sauvegarde < 4; ++sauvegarde) {
    const Lecture l = lireTexte(texte);
    ASSERT_TRUE(l.ok) << sauvegarde << l.erreurs;
    ASSERT_EQ(l.noeuds, liste) << sauvegarde;
    ASSERT_EQ(ecrireTexte(l.noeuds), texte) << sauvegarde;
    texte = ecrireTexte(l.noeuds);
  }
  // Only a run of backslashes that a quote follows is doubled.
  EXPECT_EQ(ecrireTexte({PARAMETRE("C:\\Clients\\", "a\\\\\"b\\c")}),
            "\"C:\\Clients\\\\\" = \"a\\\\\\\\\\\"b\\c\"\n");
}

TEST(ParametreTexte, FilesAlreadyWrittenReadAsBefore) {
  // Paths are written unescaped, and the quotes and trailing backslashes the
  // previous writer escaped read back as they were meant.
  const Lecture l = lireTexte(
      "\"C:\\dir\\file\" = \"\\\\serveur\\partage\"\n"
      "rep = \"C:\\Clients\\\\\"\n"
      "dit = \"il dit \\\"oui\\\"\"\n"
      "mot = C:\\dir\\x\n");
  EXPECT_TRUE(l.ok) << l.erreurs;
  LISTE_PARAMETRES attendus;
  attendus.emplace_back("C:\\dir\\file", "\\\\serveur\\partage");
  attendus.emplace_back("rep", "C:\\Clients\\");
  attendus.emplace_back("dit", "il dit \"oui\"");
  attendus.emplace_back("mot", "C:\\dir\\x");
  EXPECT_EQ(l.noeuds, attendus);
}

TEST(ParametreTexte, AnUnquotedXTypedByHandIsTheWordX) {
  // The writer quotes every text: its bare X (absent) stands beside a quoted
  // text or another bare X; beside an unquoted word, X is a word.
  const Lecture l = lireTexte("Calque = X\nX = TN\n\"a\" = X\nX = \"v\"\nX = X\nXX = \"X\"\n");
  EXPECT_TRUE(l.ok) << l.erreurs;
  LISTE_PARAMETRES attendus;
  attendus.emplace_back("Calque", "X");
  attendus.emplace_back("X", "TN");
  attendus.emplace_back("a", std::nullopt);
  attendus.emplace_back(std::nullopt, "v");
  attendus.emplace_back(std::nullopt, std::nullopt);
  attendus.emplace_back("XX", "X");
  EXPECT_EQ(l.noeuds, attendus);
  // Written back, every text is quoted and each node reads as it was.
  const Lecture relue = lireTexte(ecrireTexte(l.noeuds));
  EXPECT_TRUE(relue.ok) << relue.erreurs;
  EXPECT_EQ(relue.noeuds, attendus);
}

TEST(ParametreTexte, MissingEqualsAndMissingValueAreReported) {
  // An unquoted identifier runs to the next blank, so "a=" is the identifier.
  Lecture l = lireTexte("a= b\n");
  EXPECT_FALSE(l.ok);
  EXPECT_TRUE(l.noeuds.empty());
  EXPECT_EQ(l.erreurs, "Erreur de lecture de parametres : il manque '=' après a=\n");

  l = lireTexte("\"a\" =   \n");
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de la valeur de a\n");

  l = lireTexte("a = \"pas de fin\n");
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de la valeur de a\n");
}

TEST(ParametreTexte, ABadLineShowsTheLastGoodNodeAndKeepsTheNodesBefore) {
  const Lecture l = lireTexte("un = 1\ndeux = 2\n+\n\tfils = f\n-\ntrois 3\nquatre = 4\n");
  EXPECT_FALSE(l.ok);
  ASSERT_EQ(l.noeuds.size(), 2u) << "reading stops at the bad line";
  EXPECT_EQ(l.noeuds.back().enfants.size(), 1u);
  EXPECT_EQ(l.erreurs,
            "Erreur de lecture de parametres : il manque '=' après trois\n"
            "Erreur apres : \n"
            "\"deux\" = \"2\"\n"
            "+\n"
            "\t\"fils\" = \"f\"\n"
            "-\n"
            "\n");
}

TEST(ParametreTexte, EmptyInputAndUnclosedChildListsAreTold) {
  Lecture l = lireTexte("  \n# rien\n");
  EXPECT_TRUE(l.ok);
  EXPECT_TRUE(l.noeuds.empty());
  EXPECT_EQ(l.erreurs, "");

  l = lireTexte("a = b\n+\nc = d\n");
  EXPECT_FALSE(l.ok);
  EXPECT_TRUE(l.noeuds.empty());
  EXPECT_EQ(l.erreurs, "Erreur de lecture de parametres : il manque '-' en fin de liste\n");
}

TEST(ParametreTexte, NestingIsLimitedAndReported) {
  auto imbrique = [](int niveaux) {
    std::string texte;
    for (int i = 0; i < niveaux; ++i) texte += "a = b +\n";
    texte += "a = b\n";
    for (int i = 0; i < niveaux; ++i) texte += "-\n";
    return texte;
  };
  Lecture l = lireTexte(imbrique(framework::kProfondeurMaxParametres));
  EXPECT_TRUE(l.ok) << l.erreurs;

  l = lireTexte(imbrique(framework::kProfondeurMaxParametres + 1));
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de parametres : plus de 100 niveaux d'enfants\n");

  l = lireTexte(imbrique(100000));
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.erreurs, "Erreur de lecture de parametres : plus de 100 niveaux d'enfants\n");
}

TEST(ParametreTexte, TheReportReachesTheHostCommandLine) {
  std::string ligneCommande;
  host::session().setOutput([&](std::string_view t) { ligneCommande += t; });
  const bool echo = framework::echoActif();
  const bool demarre = framework::fluxMessagesDemarre();
  framework::demarrerFluxMessages();
  framework::activerEcho(true);
  std::istringstream flux("a= b\n");
  LISTE_PARAMETRES liste;
  framework::lireFichier(flux, framework::kModeTexte, liste);
  framework::activerEcho(echo);
  if (!demarre) framework::arreterFluxMessages();
  host::session().setOutput(nullptr);
  EXPECT_NE(ligneCommande.find("il manque '=' après a="), std::string::npos) << ligneCommande;
}

}  // namespace
