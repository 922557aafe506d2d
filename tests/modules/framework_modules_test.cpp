// The framework modules as a user meets them through cadhost: load banners,
// help commands, the product information dialog, external programs, and two
// modules loaded together.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "run_cadhost.h"

namespace {

class ModulesCadre : public ::testing::Test {
 protected:
  ScratchDir dir;
  CadhostRun run(const std::vector<std::string>& args,
                 const std::vector<std::pair<std::string, std::string>>& env = {}) {
    return runCadhost(dir, args, std::string(), env);
  }
  size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
  }
};

TEST_F(ModulesCadre, BanniereDeChargementUneFoisParModule) {
  const CadhostRun r = run({"--load", "quoril", "--load", "talvex", "-e", "(princ)"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(count(r.out, "****** Module QuorilARX chargé (commande C:QuorilARX)\n"), 1u) << r.out;
  EXPECT_EQ(count(r.out, "****** Module Talvex chargé (commande C:Talvex)\n"), 1u) << r.out;
}

TEST_F(ModulesCadre, AideListeLesFonctionsEtMontreLInformationProduit) {
  const CadhostRun r =
      run({"--load", "talvex", "-e", "(user-input '(dialog \"OK\"))", "-e", "(c:aproposde)"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const std::string liste = dir.read("lstfonction.txt");
  EXPECT_EQ(liste.rfind("\n\n****** Module Talvex\n", 0), 0u) << liste;
  EXPECT_NE(liste.find("c:exetopo :  [prg] : programme a executer\n"), std::string::npos) << liste;
  EXPECT_NE(liste.find("c:aproposde : Aide sur le module\n"), std::string::npos) << liste;
  EXPECT_NE(liste.find("C:Talvex : Aide sur le module\n"), std::string::npos) << liste;
  EXPECT_NE(r.out.find("Informations produits"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("aucune réponse"), std::string::npos) << "the dialog took the queued answer";
}

TEST_F(ModulesCadre, FichierProduitEcritDepuisLeDialogue) {
  // "Dans un fichier..." writes the product file (then opens it: no viewer here).
  const CadhostRun r =
      run({"--load", "brenix", "-e", "(user-input '(dialog \"Dans un fichier...\" \"OK\"))", "-e",
           "(c:brenix)"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(dir.read("infoproduit.txt"),
            "Information concernant votre applicatif :\n"
            "\t* Nom de l'applicatif : brenix\n"
            "\t* Société éditrice : MV12\n"
            "\t* Version de l'applicatif : 1.0\n"
            "\t* Support Internet : https://www.talvex-topo.fr/support\n"
            "\t* Identifiant produit : Brenix\n"
            "Fin du descriptif\n");
}

TEST_F(ModulesCadre, DeuxModulesGardentChacunLeurTable) {
  for (const char* commande : {"(c:quorilarx)", "(c:talvex)"}) {
    const CadhostRun r = run({"--load", "quoril", "--load", "talvex", "-e",
                              "(user-input '(dialog \"OK\"))", "-e", commande});
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const std::string liste = dir.read("lstfonction.txt");
    const bool quoril = std::string(commande) == "(c:quorilarx)";
    EXPECT_EQ(liste.find("****** Module QuorilARX") != std::string::npos, quoril) << liste;
    EXPECT_EQ(liste.find("****** Module Talvex") != std::string::npos, !quoril) << liste;
    EXPECT_EQ(liste.find("C:QuorilARX :") != std::string::npos, quoril) << liste;
    EXPECT_EQ(liste.find("C:Talvex :") != std::string::npos, !quoril) << liste;
  }
}

TEST_F(ModulesCadre, ExetopoDemandeExactementUnTexte) {
  dir.write("prg.sh", "#!/bin/sh\necho lance > \"$(dirname \"$0\")/marque.txt\"\n");
  std::filesystem::permissions(dir.file("prg.sh"), std::filesystem::perms::owner_all);
  const CadhostRun ignores = run({"--load", "talvex", "-e", "(c:exetopo 12)", "-e",
                                  "(c:exetopo \"" + dir.file("prg.sh") + "\" \"autre\")"});
  ASSERT_EQ(ignores.status, 0) << ignores.out;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(dir.exists("marque.txt"));

  const CadhostRun lance =
      run({"--load", "talvex", "-e", "(c:exetopo \"" + dir.file("prg.sh") + "\")"});
  ASSERT_EQ(lance.status, 0) << lance.out;
  for (int i = 0; i < 50 && !dir.exists("marque.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE(dir.exists("marque.txt"));

  const CadhostRun absent = run({"--load", "talvex", "-e", "(c:exetopo \"/nulle/part/prg\")"});
  EXPECT_NE(absent.out.find("Erreur d'ouverture du prg </nulle/part/prg>"), std::string::npos)
      << absent.out;
}

TEST_F(ModulesCadre, TalvexTraceSaFinDeSession) {
  const CadhostRun r =
      run({"--load", "talvex", "-e", "(princ)"}, {{"CADHOST_CONSOLE", dir.file("console.txt")}});
  ASSERT_EQ(r.status, 0) << r.out;
  const size_t fin = r.out.find("DBX:CLBFIN"), term = r.out.find("DBX:CLBTERM"),
               flux = r.out.find("DBX:CLBINIFLUX");
  ASSERT_NE(fin, std::string::npos) << r.out;
  EXPECT_LT(fin, term);
  EXPECT_LT(term, flux);
  // Written after the stream stopped: only on the process's own output.
  EXPECT_EQ(r.out.find("DBX:CLBOK"), std::string::npos);
  EXPECT_NE(dir.read("console.txt").find("DBX:CLBOK"), std::string::npos);
}

}  // namespace
