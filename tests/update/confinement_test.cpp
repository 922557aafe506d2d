// Nothing outside the two roots: not through "..", an absolute path, an empty root, a root that
// is absent, nor a symbolic link that leads out of a root.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "script_essai.h"
#include "update/chemins_script.h"

namespace fs = std::filesystem;

namespace {

const std::string kArretChemin = "SCRIPT: Erreur de script dans un chemin de fichier";

// Runs with the scratch directory current, so that root 1 can be ".".
class RepertoireCourant {
 public:
  explicit RepertoireCourant(const std::string& dossier) : avant_(fs::current_path()) {
    fs::current_path(dossier);
  }
  ~RepertoireCourant() { fs::current_path(avant_); }

 private:
  fs::path avant_;
};

TEST(Confinement, TheTextOfAPath) {
  const maj::RACINES racines{".", std::string("D:\\maj")};
  EXPECT_EQ(maj::resoutChemin("@1\\sub\\a.dat", racines), ".\\sub\\a.dat");
  EXPECT_EQ(maj::resoutChemin("@2\\a.dat", racines), "D:\\maj\\a.dat");
  EXPECT_TRUE(maj::cheminTexteValide(".\\sub\\a.dat", racines));
  EXPECT_TRUE(maj::cheminTexteValide("D:\\maj\\a", racines));
  for (const char* refuse :
       {".\\sub\\..\\..\\a.dat", ".\\..\\a", ".\\a..b", "/etc/passwd", "\\etc\\passwd",
        "./sub/a.dat", "d:\\maj\\a", "D:\\majeur\\a", ".", ""})
    EXPECT_FALSE(maj::cheminTexteValide(refuse, racines)) << refuse;
  // The system would see ".\sub" only: a copy checked on the whole text could land inside itself.
  using namespace std::string_literals;
  EXPECT_FALSE(maj::cheminTexteValide(".\\sub\0\\x"s, racines));
  EXPECT_FALSE(maj::cheminTexteValide(".\\sub\f"s, racines));
  EXPECT_FALSE(maj::destinationReelle("/tmp\0/x"s));
  // Root 2 absent: "@2" stays as written and leads nowhere; empty, it lets nothing in.
  const maj::RACINES sansSeconde{".", std::nullopt};
  EXPECT_EQ(maj::resoutChemin("@2\\a.dat", sansSeconde), "@2\\a.dat");
  EXPECT_FALSE(maj::cheminTexteValide("@2\\a.dat", sansSeconde));
  EXPECT_FALSE(maj::cheminTexteValide("\\etc\\passwd", maj::RACINES{".", std::string()}));
  EXPECT_FALSE(maj::cheminTexteValide("\\etc\\passwd", maj::RACINES{"", std::nullopt}));
  EXPECT_TRUE(maj::estPrefixe("C:\\Talvex", "c:\\talvex\\sous"));
  EXPECT_TRUE(maj::estPrefixe("a", "a"));
  EXPECT_FALSE(maj::estPrefixe("a\\b", "a"));
}

TEST(Confinement, ScriptsStayInTheirRoots) {
  ScratchDir dir;
  // Root 1 is "inst", current; "dehors" lies beside it.
  fs::create_directories(dir.file("inst/sub"));
  RepertoireCourant courant(dir.file("inst"));
  fs::create_directories(dir.file("dehors"));
  dir.write("inst/sub/a.dat", "a");
  dir.write("dehors/secret", "secret");
  fs::create_symlink(dir.file("dehors"), dir.file("inst/sub/lien"));
  fs::create_symlink("../../dehors/secret", dir.file("inst/sub/lienfichier"));
  fs::create_symlink("../../dehors/nouveau", dir.file("inst/sub/pendant"));  // leads to nothing yet

  const maj::RACINES racines{".", std::nullopt};
  auto execute = [&](const std::string& script) {
    ExecutionEssai e;
    std::istringstream flux(script);
    e.resultat = maj::executeScript(flux, racines, e.rapport, &e.statut, &e.journal);
    return e;
  };
  ExecutionEssai e = execute("_FSM_INTERNE_CPF \"@1\\\\sub\\\\a.dat\" \"@1\\\\b.dat\";");
  EXPECT_EQ(e.statut, 1);
  EXPECT_EQ(dir.read("inst/b.dat"), "a");

  for (const std::string& script : std::vector<std::string>{
           "_FSM_INTERNE_CPF \"@1\\\\sub\\\\a.dat\" \"@1\\\\sub\\\\..\\\\..\\\\hors.dat\";",
           "_FSM_INTERNE_CPF \"@1\\\\sub\\\\a.dat\" \"" + dir.path() + "\\\\dehors\\\\x\";",
           "_FSM_INTERNE_CPF \"@1\\\\sub\\\\a.dat\" \"@2\\\\x\";",
           "_FSM_INTERNE_CPF \"@1\\\\sub\\\\a.dat\" \"@1\\\\sub\\\\lien\\\\x\";",
           "_FSM_INTERNE_CPF \"@1\\\\sub\\\\a.dat\" \"@1\\\\sub\\\\lienfichier\";",
           "_FSM_INTERNE_CPF \"@1\\\\sub\\\\a.dat\" \"@1\\\\sub\\\\pendant\";",
           "_FSM_INTERNE_CPF \"@1\\\\sub\\\\lienfichier\" \"@1\\\\vole\";",
           "_FSM_INTERNE_RMF \"@1\\\\sub\\\\lien\\\\secret\";",
           "_FSM_INTERNE_RMR \"@1\\\\sub\\\\lien\";",
           "_FSM_INTERNE_VIDE \"@1\\\\sub\\\\lien\";",
           "_FSM_INTERNE_CPR \"@1\\\\sub\" \"@1\\\\sub\\\\lien\\\\copie\";",
           "_FSM_INTERNE_MKR \"@1\\\\sub\\\\lien\\\\neuf\";",
       }) {
    e = execute(script);
    EXPECT_EQ(e.statut, 0) << script;
    EXPECT_EQ(e.rapport.boites, std::vector<std::string>{kArretChemin}) << script;
  }
  EXPECT_FALSE(fs::exists(dir.file("inst/vole")));
  EXPECT_FALSE(fs::exists(dir.file("hors.dat")));
  EXPECT_EQ(dir.read("dehors/secret"), "secret");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("dehors")), {}), 1)
      << "nothing was made outside";

  // Inside a tree, links are never followed out: a copy fails on them, a delete takes the
  // links themselves.
  fs::create_directories(dir.file("inst/arbre/bas"));
  dir.write("inst/arbre/bas/f", "f");
  fs::create_symlink(dir.file("dehors"), dir.file("inst/arbre/lien"));
  fs::create_symlink("..", dir.file("inst/arbre/bas/boucle"));
  e = execute("_FSM_INTERNE_CPR \"@1\\\\arbre\" \"@1\\\\copie\";");
  EXPECT_EQ(e.statut, 0);
  EXPECT_EQ(dir.read("inst/copie/bas/f"), "f") << "the other entries are copied";
  EXPECT_FALSE(fs::exists(dir.file("inst/copie/lien")));
  EXPECT_FALSE(fs::exists(dir.file("inst/copie/bas/boucle")));
  e = execute("_FSM_INTERNE_RMR \"@1\\\\arbre\";");
  EXPECT_EQ(e.statut, 1);
  EXPECT_FALSE(fs::exists(dir.file("inst/arbre")));
  EXPECT_EQ(dir.read("dehors/secret"), "secret");
}

TEST(Confinement, ATreeIsNeverCopiedIntoItself) {
  ScratchDir dir;
  fs::create_directories(dir.file("r1/a/b"));
  dir.write("r1/a/f", "f");
  // As the rule says: the destination starts with the source (letter case aside)...
  for (const char* script : {"_FSM_INTERNE_CPR \"@1\\\\a\" \"@1\\\\A\\\\copie\";",
                             "_FSM_INTERNE_CPR \"@1\\\\a\" \"@1\\\\ab\";",
                             "_FSM_INTERNE_CPCR \"@1\\\\a\" \"@1\\\\a\\\\b\";",
                             // ... and however it is written: below the directory of "a\*".
                             "_FSM_INTERNE_CPR \"@1\\\\a\\\\*\" \"@1\\\\a\\\\b\";"}) {
    const ExecutionEssai e = executeDans(dir, script);
    EXPECT_EQ(e.statut, 0) << script;
    EXPECT_FALSE(fs::exists(dir.file("r1/a/b/f"))) << script;
  }
  EXPECT_FALSE(fs::exists(dir.file("r1/ab")));
}

}  // namespace
