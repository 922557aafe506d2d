// The updater program run as a user runs it without a terminal, answered from its command line.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ulbrec_essai.h"

namespace fs = std::filesystem;

namespace {

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

const std::vector<std::string> kInstallationSeule{"kx42.exe", "talvex-support.inf",
                                                  "talvex-version.inf"};

TEST(Ulbrec, NoOfferWhenUpToDateOrWithoutPackage) {
  InstallationEssai a("1.01", "1.01 ");
  fs::create_directories(a.dir.file("maj/talvex"));
  SortieUlbrec s = a.lance({"--mise-a-jour", "--confirmer"});
  EXPECT_EQ(s.statut, 0);
  EXPECT_EQ(s.sortie, "");

  InstallationEssai b("1.00", "1.01");
  s = b.lance({"--mise-a-jour", "--confirmer"});
  EXPECT_EQ(s.statut, 0);
  EXPECT_EQ(s.sortie, "") << "no package: no offer";

  // Without the support file the box says so, and nothing is looked for.
  fs::remove(b.dir.file("inst/talvex-support.inf"));
  fs::create_directories(b.dir.file("maj/talvex"));
  s = b.lance({});
  EXPECT_EQ(s.statut, 0);
  EXPECT_TRUE(contient(s.sortie,
                       "[message] Mise à jour automatique: Votre installation est défectueuse - "
                       "MAJ automatique inopérante : " +
                           fs::canonical(b.dir.file("inst")).string() +
                           "\\talvex-support.inf [OK]"))
      << s.sortie;
  EXPECT_FALSE(contient(s.sortie, "[dialogue]"));
}

TEST(Ulbrec, DeclinedWithTheBoxTicked) {
  InstallationEssai a("1.00", "1.01");
  fs::create_directories(a.dir.file("maj/talvex-1.00-to-1.01"));
  a.dir.write("maj/talvex-1.01.exe", "#!/bin/sh\ntouch lance\n");
  SortieUlbrec s = a.lance({"--plus-tard", "--ne-plus-proposer"});
  EXPECT_EQ(s.statut, 0) << s.erreurs;
  EXPECT_TRUE(contient(s.sortie, "*** Une nouvelle version de TALVEX vient d'être détectée ***"));
  EXPECT_TRUE(contient(s.sortie, "Version détectée : 1.01\n"));
  EXPECT_TRUE(contient(s.sortie, "sur : " + a.dir.file("maj") + "\\talvex-1.00-to-1.01\n"))
      << "the directory comes before the program";
  EXPECT_TRUE(contient(s.sortie, "Mise à jour ou Plus tard ? Plus tard\n")) << s.sortie;
  EXPECT_EQ(a.dir.read("inst/talvex-sans-maj.inf"),
            "Effacer ce fichier pour reactiver les mises a jour automatiques\n");
  std::vector<std::string> attendu = kInstallationSeule;
  attendu.insert(attendu.begin() + 1, "talvex-sans-maj.inf");
  EXPECT_EQ(a.contenu("inst"), attendu);

  // Not ticked, or the window closed: no marker. A bad command line runs nothing.
  InstallationEssai b("1.00", "1.01");
  fs::create_directories(b.dir.file("maj/talvex"));
  EXPECT_EQ(b.lance({"--plus-tard"}).statut, 0);
  s = b.lance({});
  EXPECT_TRUE(contient(s.sortie, "aucune réponse en attente")) << s.sortie;
  EXPECT_EQ(b.contenu("inst"), kInstallationSeule);
  s = b.lance({"--ne-plus-proposer"});
  EXPECT_EQ(s.statut, 2);
  EXPECT_TRUE(contient(s.erreurs, "usage: ulbrec"));
  EXPECT_EQ(s.sortie, "");
}

TEST(Ulbrec, PackageDirectoryAndItsScript) {
  InstallationEssai a("1.00", "1.01");
  const std::string paquet = "maj/talvex-1.01";
  fs::create_directories(a.dir.file(paquet + "/modules"));
  a.dir.write(paquet + "/modules/talvex.arx", "nouveau module");
  a.dir.write(paquet + "/talvex-version.inf", "1.01\n");
  a.dir.write("inst/ancien.txt", "à enlever");
  a.dir.write(paquet + "/talvex-install.inf",
              "_FSM_INTERNE_RMF \"@1\\\\ancien.txt\";\n"
              "_FSM_INTERNE_MKR \"@1\\\\donnees\";\n"
              "_FSM_INTERNE_CPF \"@1\\\\modules\\\\talvex.arx\" \"@2\\\\talvex.arx\";\n");

  // The confirmation declined: nothing happens.
  SortieUlbrec s = a.lance({"--mise-a-jour", "--annuler"});
  EXPECT_TRUE(contient(s.sortie,
                       "[dialogue] Mise à jour de TALVEX: Fermez les applicatifs TALVEX "
                       "puis pressez sur 'ok' [OK/Annule]"))
      << s.sortie;
  EXPECT_FALSE(fs::exists(a.dir.file("inst/modules")));

  s = a.lance({"--mise-a-jour", "--confirmer"});
  EXPECT_EQ(s.statut, 0) << s.sortie << s.erreurs;
  EXPECT_TRUE(contient(s.sortie, "[message] TALVEX: Mise à jour terminée avec succès ! [OK]"))
      << s.sortie;
  EXPECT_EQ(a.dir.read("inst/modules/talvex.arx"), "nouveau module");
  EXPECT_EQ(a.dir.read("inst/talvex-version.inf"), "1.01\n");
  EXPECT_FALSE(fs::exists(a.dir.file("inst/ancien.txt")));
  EXPECT_TRUE(fs::is_directory(a.dir.file("inst/donnees")));
  EXPECT_EQ(a.dir.read("r2/talvex.arx"), "nouveau module") << "root 2 from the version file";
  EXPECT_FALSE(fs::exists(a.dir.file("inst/bug-install.txt")));
}

TEST(Ulbrec, FailuresAreShownAndKept) {
  // A package without its script is still copied in, then the update fails.
  InstallationEssai a("1.00", "1.01");
  fs::create_directories(a.dir.file("maj/talvex"));
  a.dir.write("maj/talvex/lisezmoi.txt", "texte");
  SortieUlbrec s = a.lance({"--mise-a-jour", "--confirmer"});
  EXPECT_EQ(s.statut, 1);
  EXPECT_EQ(a.dir.read("inst/lisezmoi.txt"), "texte");
  EXPECT_TRUE(contient(s.sortie, "[message] Fichier de commande manquant: " + a.dir.file("maj") +
                                     "\\talvex\\talvex-install.inf [OK]"))
      << s.sortie;
  EXPECT_TRUE(contient(
      s.sortie, "[message] TALVEX: Erreur durant la mise à jour - prévenez le responsable [OK]"));

  // A failing command: the log is shown and written to "bug-install.txt".
  a.dir.write("maj/talvex/talvex-install.inf",
              "_FSM_INTERNE_MKR \"@1\\\\neuf\";\n_FSM_INTERNE_RMF \"@1\\\\absent.txt\";\n"
              "_FSM_INTERNE_MKR \"@1\\\\jamais\";\n");
  s = a.lance({"--mise-a-jour", "--confirmer"});
  EXPECT_EQ(s.statut, 1);
  const std::string journal =
      "Des erreurs ont été détectées.\r\nVeuillez prévenir votre administrateur\r\n\r\n"
      "Erreur détruit fichier .\\absent.txt\r\n";
  EXPECT_EQ(a.dir.read("inst/bug-install.txt"), journal);
  EXPECT_TRUE(contient(s.sortie, "[message] Erreur d'installation: " + journal + " [OK]"));
  EXPECT_TRUE(contient(s.sortie, "[message] SCRIPT: Erreur de script dans un chemin de fichier"));
  EXPECT_TRUE(fs::is_directory(a.dir.file("inst/neuf")));
  EXPECT_FALSE(fs::exists(a.dir.file("inst/jamais")));
}

TEST(Ulbrec, AnInstallerProgramIsStarted) {
  InstallationEssai a("1.00", "1.01");
  a.dir.write("maj/talvex-1.00-to-1.01.exe", "#!/bin/sh\necho lance > installeur.txt\n");
  fs::permissions(a.dir.file("maj/talvex-1.00-to-1.01.exe"), fs::perms::owner_all);
  const SortieUlbrec s = a.lance({"--mise-a-jour", "--confirmer"});
  EXPECT_EQ(s.statut, 0) << s.erreurs;
  // Started without waiting, in the installation directory.
  for (int i = 0; i < 500 && !fs::exists(a.dir.file("inst/installeur.txt")); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(fs::exists(a.dir.file("inst/installeur.txt")));
  EXPECT_FALSE(contient(s.sortie, "[message] TALVEX"));

  // A program that cannot be started.
  fs::permissions(a.dir.file("maj/talvex-1.00-to-1.01.exe"), fs::perms::owner_read);
  const SortieUlbrec echec = a.lance({"--mise-a-jour", "--confirmer"});
  EXPECT_EQ(echec.statut, 1);
  EXPECT_TRUE(contient(echec.erreurs, "Erreur d'ouverture du prg <" + a.dir.file("maj") +
                                          "\\talvex-1.00-to-1.01.exe>"))
      << echec.erreurs;
}

}  // namespace
