// Clients of an installation through cadhost: a copy of Quoril in a module
// directory of the test's own (its "system/clients.mcl" is the client tree),
// cadhost started in the scratch directory (the startup directory); what the
// module reports at start goes to its standard output, kept in $CADHOST_CONSOLE.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_cadhost.h"

namespace {

namespace fs = std::filesystem;

class MultiClient : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.file("mod/system"));
    fs::create_directories(dir.file("run"));
    fs::copy_file(builtModule("quoril"), dir.file("mod/quoril.arx"));
  }
  void arbre(const std::string& texte) { dir.write("mod/system/clients.mcl", texte); }
  // cadhost started in run/ with the copied module and `script`.
  CadhostRun lance(const std::string& script, const std::string& client = {}) {
    dir.write("run/t.lsp", script);
    std::vector<std::pair<std::string, std::string>> env{
        {"CADHOST_CONSOLE", dir.file("console.txt")}, {"CADHOST_DESKTOP", dir.file("bureau")}};
    if (!client.empty()) env.emplace_back("TALVEX_CLIENT", client);
    // The script by a relative name: found though the client moves the
    // current directory before it runs.
    return runCadhost(dir, {"--load", dir.file("mod/quoril.arx"), "run/t.lsp"}, std::string(), env);
  }
  std::string console() { return dir.exists("console.txt") ? dir.read("console.txt") : ""; }
  ScratchDir dir;
};

TEST_F(MultiClient, SubClientInheritsFromItsParentAndTheStartupDirectory) {
  arbre("\"Zuzoza\" = \"" + dir.file("zuzoza") + "\"\n+\n\t\"Chantier2\" = \"" +
        dir.file("chantier2") + "\"\n-\n\"Autre\" = \"autre\"\n");
  fs::create_directories(dir.file("zuzoza/system"));
  dir.write("zuzoza/system/registre.ini", "\"/ContourPt/DMax\" \"12.5\"\n");
  // Where a relative file goes once the client is loaded: its directory.
  const CadhostRun r =
      lance("(close (open \"ici.txt\" \"w\"))\n(c:multiclient)\n", "/zuzoza/CHANTIER2");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const std::string c = console();
  EXPECT_NE(c.find("Lecture du fichier clients <" + dir.file("mod/system/clients.mcl") + ">"),
            std::string::npos)
      << c;
  EXPECT_NE(c.find("Selection du client /zuzoza/CHANTIER2"), std::string::npos) << c;
  EXPECT_NE(c.find("Ouverture de <" + dir.file("zuzoza/system/registre.ini") + ">"),
            std::string::npos)
      << c;
  EXPECT_NE(c.find("Chemin courant : " + dir.file("chantier2")), std::string::npos) << c;
  EXPECT_TRUE(dir.exists("chantier2/ici.txt"));
  for (const char* sous : {"system", "poly", "profil", "symbole", "vbloc"})
    EXPECT_TRUE(fs::is_directory(dir.file(std::string("chantier2/") + sous))) << sous;
  // The parent's settings, saved into the sub-client's own file (the dialog
  // then gets no answer: nothing changes).
  ASSERT_TRUE(dir.exists("chantier2/system/registre.ini"));
  EXPECT_NE(dir.read("chantier2/system/registre.ini").find("\"/ContourPt/DMax\" \"12.5\""),
            std::string::npos);
  EXPECT_NE(r.out.find("Aucune modification effectuée"), std::string::npos) << r.out;
  EXPECT_EQ(dir.read("zuzoza/system/registre.ini"), "\"/ContourPt/DMax\" \"12.5\"\n");

  // A client that is gone: the first one, said so; a relative directory is
  // taken from the startup directory.
  arbre("\"Autre\" = \"autre\"\n\"Zuzoza\" = \"" + dir.file("zuzoza") + "\"\n");
  const CadhostRun perdu = lance("(close (open \"la.txt\" \"w\"))\n", "/Perdu");
  ASSERT_EQ(perdu.status, 0) << perdu.out;
  EXPECT_NE(console().find("Erreur de selection de /Perdu"), std::string::npos);
  EXPECT_TRUE(dir.exists("autre/la.txt")) << console();
}

TEST_F(MultiClient, WithoutATreeTheModuleDirectoryIsTheClient) {
  const CadhostRun r = lance("(close (open \"ici.txt\" \"w\"))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(console().find("Erreur de lecture de <" + dir.file("mod/system/clients.mcl") + ">"),
            std::string::npos)
      << console();
  EXPECT_NE(dir.read("mod/system/clients.mcl").find("\"ReziVov\" = \"" + dir.file("mod") + "\""),
            std::string::npos);
  EXPECT_TRUE(dir.exists("mod/ici.txt"));
}

TEST_F(MultiClient, DialogEditsTheTreeAndSelectsAClient) {
  arbre("\"Zuzoza\" = \"" + dir.file("zuzoza") + "\"\n\"Bureau\" = \"" + dir.file("bureau_b") +
        "\"\n");
  dir.write("autres.mcl", "\"Lointain\" = \"" + dir.file("lointain") + "\"\n");
  const std::string script =
      // Deleting the active client is refused; a new client under Bureau,
      // renamed and given a directory, its profile set, both shortcuts made.
      "(user-input '(dialog \"supprimer\" (\"clients\" . \"/Bureau\") \"ajouter\""
      " (\"nom\" . \"Chantier\") (\"dossier\" . \"" +
      dir.file("chantier") +
      "\")"
      " \"profil\" \"raccourci\" \"raccourci_universel\" \"ok\")"
      " '(dialog \"OK\") '(dialog (\"texte\" . \"Topographie\") \"OK\"))\n"
      "(c:multiclient)\n(close (open \"ici.txt\" \"w\"))\n"
      // Another tree file, then Annuler: nothing changes.
      "(user-input '(dialog \"lecture\" \"annuler\") \"" +
      dir.file("autres.mcl") +
      "\")\n"
      "(c:multiclient)\n";
  const CadhostRun r = lance(script);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("[dialogue] Erreur"), std::string::npos) << r.out;
  const std::string tree = dir.read("mod/system/clients.mcl");
  EXPECT_NE(tree.find("\"Zuzoza\""), std::string::npos) << tree;  // not deleted
  EXPECT_NE(tree.find("\"Chantier\" = \"" + dir.file("chantier") + "\""), std::string::npos)
      << tree;
  EXPECT_TRUE(dir.exists("chantier/ici.txt"));  // the new client is current
  EXPECT_NE(dir.read("chantier/system/infouser.ini").find("\"ProfilAcad\" = \"Topographie\""),
            std::string::npos);
  EXPECT_TRUE(dir.exists("bureau/QuorilARX - Chantier.desktop"));
  EXPECT_TRUE(dir.exists("bureau/QuorilARX - Universel.desktop"));
  EXPECT_NE(dir.read("bureau/QuorilARX - Chantier.desktop").find("/Bureau/Chantier"),
            std::string::npos);
  EXPECT_NE(r.out.find("Aucune modification effectuée"), std::string::npos);
  EXPECT_EQ(dir.read("mod/system/clients.mcl"), tree);
}

TEST_F(MultiClient, DrawingCommandsWorkInTheClientDirectory) {
  arbre("\"Zuzoza\" = \"" + dir.file("zuzoza") + "\"\n");
  fs::create_directories(dir.file("system"));
  // The template, found in the startup directory's "system" along the chain.
  dir.write("system/zizuroz.dwt", "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
  const std::string script =
      "(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 1.0 0.0)))\n"
      "(user-input \"plan\")\n(c:sauvedwg)\n"
      "(user-input \"plan.dwg\")\n(c:sauvedwg)\n"
      "(user-input \"plan.dwg\")\n(command \"ouvredwg\")\n"
      "(command \"nouvtopo\")\n";
  const CadhostRun r = lance(script);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Sauve DWG"), std::string::npos) << r.out;
  EXPECT_TRUE(dir.exists("zuzoza/plan.dwg"));
  EXPECT_NE(r.out.find("Le fichier " + dir.file("zuzoza/plan.dwg") + " existe deja. Je l'ecrase"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Sauvegarde terminee"), std::string::npos);
  EXPECT_NE(r.out.find("Ouvre " + dir.file("zuzoza/plan.dwg")), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Ouverture du gabarit <" + dir.file("system/zizuroz.dwt") + ">"),
            std::string::npos)
      << r.out;
}

}  // namespace
