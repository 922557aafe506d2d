// The language of the update scripts: its words, quotes and limits, the stops and what each
// command logs when it fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "script_essai.h"

namespace fs = std::filesystem;

namespace {

const std::string kArretChemin = "SCRIPT: Erreur de script dans un chemin de fichier";
const std::string kArretPointVirgule = "SCRIPT: Erreur de script : une commande se termine par ';'";

TEST(LangageScript, QuotesEscapesAndTheLengthLimit) {
  ScratchDir dir;
  // A backslash takes the next character: doubled it is one, before a quote the quote.
  ExecutionEssai e = executeDans(dir,
                                 "_FSM_INTERNE_MKR\t\"@1\\\\a b\"\n;\n"
                                 "  _FSM_INTERNE_MKR \"@1\\\\q\\\"uote\" ;");
  EXPECT_EQ(e.statut, 1) << ::testing::PrintToString(e.rapport.boites);
  EXPECT_TRUE(fs::is_directory(dir.file("r1/a b")));
  EXPECT_TRUE(fs::is_directory(dir.file("r1/q\"uote")));
  EXPECT_TRUE(e.rapport.boites.empty());
  EXPECT_FALSE(e.resultat) << "no information command ran";

  // 357 characters are read (an escaped one counts once); one more fails the argument.
  const std::string long357 = "@1\\\\" + std::string(354, 'n');
  e = executeDans(dir, "_FSM_INTERNE_EXT \"" + long357 + "\";");
  EXPECT_EQ(e.statut, 1);
  EXPECT_EQ(e.resultat, "0");
  e = executeDans(dir, "_FSM_INTERNE_EXT \"" + long357 + "n\";");
  EXPECT_EQ(e.statut, 0);
  EXPECT_FALSE(e.resultat);
  EXPECT_EQ(e.rapport.boites, std::vector<std::string>{kArretChemin});

  // X (an absent text) fails the command; the log names what could be read.
  e = executeDans(dir, "_FSM_INTERNE_CPF X \"@2\\\\b\";");
  EXPECT_EQ(e.journal,
            std::vector<std::string>{"Erreur copie fichier  sur " + dir.path() + "\\r2\\b"});
  EXPECT_EQ(e.rapport.boites, std::vector<std::string>{kArretChemin});
  // A quote never closed.
  e = executeDans(dir, "_FSM_INTERNE_MKR \"@1\\\\jamais;");
  EXPECT_EQ(e.statut, 0);
  EXPECT_FALSE(fs::exists(dir.file("r1/jamais;")));
  EXPECT_EQ(e.rapport.boites, std::vector<std::string>{kArretChemin});
}

TEST(LangageScript, StopsAndUnknownWords) {
  ScratchDir dir;
  // An empty script does nothing and succeeds.
  ExecutionEssai e = executeDans(dir, " \n\t ");
  EXPECT_EQ(e.statut, 1);
  EXPECT_TRUE(e.rapport.boites.empty());

  // The end of the script instead of ";": the command's work is done, then the stop.
  e = executeDans(dir, "_FSM_INTERNE_MKR \"@1\\\\fait\"");
  EXPECT_TRUE(fs::is_directory(dir.file("r1/fait")));
  EXPECT_EQ(e.statut, 0);
  EXPECT_EQ(e.rapport.boites, std::vector<std::string>{kArretPointVirgule});
  EXPECT_TRUE(e.journal.empty());

  // Another character than ";" after a command that worked.
  e = executeDans(dir, "_FSM_INTERNE_MKR \"@1\\\\un\" , _FSM_INTERNE_MKR \"@1\\\\deux\";");
  EXPECT_TRUE(fs::is_directory(dir.file("r1/un")));
  EXPECT_FALSE(fs::exists(dir.file("r1/deux")));
  EXPECT_EQ(e.rapport.boites, std::vector<std::string>{kArretPointVirgule});

  // Words are matched exactly; an unknown one only shows its box and the run goes on...
  e = executeDans(dir, "_fsm_interne_mkr ; _FSM_INTERNE_MKR \"@1\\\\trois\";");
  EXPECT_EQ(e.rapport.boites,
            std::vector<std::string>{
                "Interpreteur de commande disque: Commande <_fsm_interne_mkr> inconnue"});
  EXPECT_TRUE(fs::is_directory(dir.file("r1/trois")));
  EXPECT_EQ(e.statut, 1);
  // ... but an argument after it breaks the ";" rule; a word runs to the next blank.
  e = executeDans(dir, "INCONNU \"@1\\\\quatre\"; _FSM_INTERNE_MKR \"@1\\\\cinq\";");
  EXPECT_EQ(e.rapport.boites, (std::vector<std::string>{
                                  "Interpreteur de commande disque: Commande <INCONNU> inconnue",
                                  kArretPointVirgule}));
  EXPECT_FALSE(fs::exists(dir.file("r1/cinq")));
  e = executeDans(dir, "_FSM_INTERNE_MKR;");
  EXPECT_EQ(e.rapport.boites.front(),
            "Interpreteur de commande disque: Commande <_FSM_INTERNE_MKR;> inconnue");
  EXPECT_EQ(e.statut, 0) << "the end of the script comes where the ';' was awaited";
}

// Each command made to fail, with the message it logs: one line, then the stop.
TEST(LangageScript, EveryCommandLogsItsFailure) {
  ScratchDir dir;
  const std::string r1 = dir.path() + "\\r1\\", r2 = dir.path() + "\\r2\\";
  struct Cas {
    const char* script;
    std::string message;
  };
  const Cas cas[] = {
      {"_FSM_INTERNE_REN \"@1\\\\absent\" \"@2\\\\b\";",
       "Erreur renomme " + r1 + "absent en " + r2 + "b"},
      {"_FSM_INTERNE_MVF \"@1\\\\absent\" \"@2\\\\b\";",
       "Erreur déplace fichier " + r1 + "absent sur " + r2 + "b"},
      {"_FSM_INTERNE_CPF \"@1\\\\absent\" \"@2\\\\b\";",
       "Erreur copie fichier " + r1 + "absent sur " + r2 + "b"},
      {"_FSM_INTERNE_RMF \"@1\\\\absent\";", "Erreur détruit fichier " + r1 + "absent"},
      {"_FSM_INTERNE_MKR \"@1\\\\absent\\\\sous\";",
       "Erreur création dossier " + r1 + "absent\\sous"},
      {"_FSM_INTERNE_RMR \"@1\\\\absent\";", "Erreur détruit dossier " + r1 + "absent"},
      {"_FSM_INTERNE_VIDE \"@1\\\\absent\";", "Erreur vide dossier " + r1 + "absent"},
      {"_FSM_INTERNE_CPR \"@1\\\\absent\" \"@2\\\\b\";",
       "Erreur copie dossier " + r1 + "absent sur " + r2 + "b"},
      {"_FSM_INTERNE_CPCR \"@1\\\\absent\" \"@2\";",
       "Erreur copie récurssive dossier " + r1 + "absent sur " + dir.path() + "\\r2"},
      {"_FSM_INTERNE_MVR \"@1\\\\absent\" \"@2\\\\b\";",
       "Erreur déplace dossier " + r1 + "absent sur " + r2 + "b"},
  };
  for (const Cas& c : cas) {
    const ExecutionEssai e =
        executeDans(dir, std::string(c.script) + "_FSM_INTERNE_MKR \"@1\\\\x\";");
    EXPECT_EQ(e.journal, std::vector<std::string>{c.message}) << c.script;
    EXPECT_EQ(e.rapport.boites, std::vector<std::string>{kArretChemin}) << c.script;
    EXPECT_EQ(e.statut, 0) << c.script;
    EXPECT_FALSE(fs::exists(dir.file("r1/x"))) << "the run stops at " << c.script;
  }
  // The listing that could not be read is said on the error stream.
  const ExecutionEssai e = executeDans(dir, "_FSM_INTERNE_VIDE \"@1\\\\absent\";");
  EXPECT_EQ(e.rapport.erreurs,
            std::vector<std::string>{"Erreur dans l'ouverture du repertoire <" + r1 + "absent>"});
}

TEST(LangageScript, InformationCommandsGiveTheLastResult) {
  ScratchDir dir;
  fs::create_directories(dir.file("r1"));
  dir.write("r1/cinq.txt", "12345");
  ExecutionEssai e = executeDans(dir,
                                 "_FSM_INTERNE_EXT \"@1\\\\absent\";"
                                 "_FSM_INTERNE_INF \"@1\\\\cinq.txt\";");
  EXPECT_EQ(e.statut, 1);
  ASSERT_TRUE(e.resultat);
  EXPECT_TRUE(std::regex_match(*e.resultat, std::regex(R"(\d\d/\d\d/20\d\d \d\d:\d\d 5)")))
      << *e.resultat;
  e = executeDans(dir, "_FSM_INTERNE_INF \"@1\\\\cinq.txt\"; _FSM_INTERNE_EXT \"@1\\\\absent\";");
  EXPECT_EQ(e.resultat, "0") << "a missing file is no failure";
  EXPECT_EQ(e.statut, 1);
  e = executeDans(dir, "_FSM_INTERNE_EXT \"@1\\\\cinq.txt\";");
  EXPECT_EQ(e.resultat, "1");
  e = executeDans(dir, "_FSM_INTERNE_INF \"@2\\\\absent\";");
  EXPECT_EQ(e.resultat, "00/00/0000 00:00 -1");
  // An invalid path fails them like any command, without a log line.
  e = executeDans(dir, "_FSM_INTERNE_EXT \"/etc/passwd\";");
  EXPECT_EQ(e.statut, 0);
  EXPECT_FALSE(e.resultat);
  EXPECT_TRUE(e.journal.empty());
}

}  // namespace
