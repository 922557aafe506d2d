// Talvex's update check through cadhost: "_gestmaj", the check at the first command, the
// updater started when the installation is behind, and the inventory that workstations
// checking at once all get their line into.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "run_cadhost.h"

namespace fs = std::filesystem;

namespace {

bool contient(const std::string& texte, const std::string& morceau) {
  return texte.find(morceau) != std::string::npos;
}

size_t compte(const std::string& texte, const std::string& morceau) {
  size_t n = 0;
  for (size_t p = texte.find(morceau); p != std::string::npos; p = texte.find(morceau, p + 1)) ++n;
  return n;
}

std::string nomMachine() {
  char nom[256] = {};
  ::gethostname(nom, sizeof nom - 1);
  return nom;
}

std::vector<std::string> lignes(const std::string& texte) {
  std::vector<std::string> l;
  std::istringstream flux(texte);
  for (std::string ligne; std::getline(flux, ligne);) l.push_back(ligne);
  return l;
}

// An installation of Talvex in "inst" (the module, its support file, an updater that says
// where it was started), its update directory "maj" publishing `disponible`.
class MiseAJourLisp : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.file("inst"));
    fs::create_directories(dir.file("maj"));
    std::error_code ec;
    fs::create_hard_link(builtModule("talvex"), dir.file("inst/talvex.arx"), ec);
    if (ec) fs::copy_file(builtModule("talvex"), dir.file("inst/talvex.arx"));
    dir.write("inst/talvex-support.inf", dir.file("maj") + "\nsecond texte\n");
    // The client tree of an installation made by the build: the directory cadhost starts in.
    fs::create_directories(dir.file("inst/system"));
    dir.write("inst/system/clients.mcl", "\"Defaut\" = \".\"\n");
    dir.write("inst/kx42.exe", "#!/bin/sh\necho \"$0\" > updater.txt\n");
    fs::permissions(dir.file("inst/kx42.exe"), fs::perms::owner_all);
    publie("1.01");
  }
  // The installation directory as the module finds itself.
  std::string inst() const { return fs::canonical(dir.file("inst")).string(); }
  void publie(const std::string& version) { dir.write("maj/talvex-version.inf", version + "\n"); }
  CadhostRun run(const std::vector<std::string>& expressions) {
    std::vector<std::string> args{"--load", dir.file("inst/talvex.arx")};
    for (const std::string& e : expressions) args.insert(args.end(), {"-e", e});
    return runCadhost(dir, args, std::string(), kPoste);
  }

  const std::vector<std::pair<std::string, std::string>> kPoste{
      {"COMPUTERNAME", "POSTE7"}, {"USERDOMAIN", "BUREAU"}, {"USERNAME", "jdupont"}};
  ScratchDir dir;
};

TEST_F(MiseAJourLisp, GestmajSwitchesAndChecks) {
  const std::string marqueur = "inst/talvex-sans-maj.inf";
  CadhostRun r = run({"(_gestmaj \"off\")"});
  EXPECT_EQ(dir.read(marqueur),
            "Effacer ce fichier pour reactiver les mises a jour automatiques\n");
  r = run({"(_gestmaj \"ON\")", "(_gestmaj \"on\" \"off\")", "(_gestmaj)", "(_gestmaj 1)",
           "(_gestmaj \"peut-etre\")", "(_gestmaj \"ini\")", "(setq version \"TALVEX\")",
           "(_gestmaj \"ini\")", "(prin1 'fin)"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_FALSE(dir.exists(marqueur));
  EXPECT_EQ(compte(r.out, "Gestion MAJ: parametres incorrects\n"), 3u) << r.out;
  EXPECT_TRUE(contient(r.out, "Parametre incorrect : peut-etre\n"));
  // Once at the first command (the drawing's loading runs one), once when forced; a single
  // word gives no version, silently.
  EXPECT_EQ(compte(r.out, "VARIABLE Version non encore disponible\n"), 2u) << r.out;
  EXPECT_TRUE(contient(r.out, "FIN"));
  EXPECT_FALSE(dir.exists("maj/clients.inf"));

  // Switched off, the check says so and neither starts the updater nor writes the inventory.
  r = run({"(setq version \"TALVEX 1.00\")", "(_gestmaj \"off\")", "(_gestmaj \"ini\")"});
  EXPECT_TRUE(contient(r.out, "Systeme de mise à jour désactivé\n")) << r.out;
  EXPECT_FALSE(dir.exists("inst/kx42cp.exe"));
  EXPECT_FALSE(dir.exists("maj/clients.inf"));
}

TEST_F(MiseAJourLisp, UpToDateOnceAtTheFirstCommand) {
  publie("1.01a");
  // Before the road programs set the version, the commands only say it is missing, once.
  const CadhostRun r =
      run({"(command \"_LINE\" '(0 0) '(1 1) \"\")", "(command \"_LINE\" '(0 0) '(2 2) \"\")",
           "(setq version \"TALVEX 1.01A\")", "(command \"_LINE\" '(0 0) '(3 3) \"\")",
           "(command \"_LINE\" '(0 0) '(4 4) \"\")"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(compte(r.out, "VARIABLE Version non encore disponible\n"), 1u) << r.out;
  EXPECT_EQ(compte(r.out, "Produit Talvex à jour\n"), 1u) << "letter case aside, the same";
  const std::vector<std::string> inventaire = lignes(dir.read("maj/clients.inf"));
  ASSERT_EQ(inventaire.size(), 1u);
  const std::regex ligne(R"(\d\d/\d\d/20\d\d:\d\d:\d\d\.\d\d\|1\.01A\|\d+\.\d+\.\d+\.\d+\|)" +
                         nomMachine() + R"(\|POSTE7\|BUREAU\|jdupont)");
  EXPECT_TRUE(std::regex_match(inventaire[0], ligne)) << inventaire[0];
  EXPECT_TRUE(dir.exists("maj/semaphore.inf"));
  EXPECT_FALSE(dir.exists("inst/kx42cp.exe"));
}

TEST_F(MiseAJourLisp, BehindStartsTheUpdatersCopy) {
  const CadhostRun r = run({"(setq version \"TALVEX 1.00\")", "(prin1 (_gestmaj \"ini\"))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(contient(r.out, "ATTENTION, produit Talvex non à jour (1.00/1.01)\n")) << r.out;
  EXPECT_EQ(dir.read("inst/kx42cp.exe"), dir.read("inst/kx42.exe"));
  char courant[4096];
  ASSERT_NE(::realpath(dir.path().c_str(), courant), nullptr);
  EXPECT_EQ(dir.read("inst/talvex-version.inf"), "1.00\n" + std::string(courant) + "\n");
  for (int i = 0; i < 500 && !dir.exists("updater.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(dir.read("updater.txt"), inst() + "/kx42cp.exe\n");
  EXPECT_EQ(lignes(dir.read("maj/clients.inf")).size(), 1u);

  // The working copy is replaced even read-only; an updater that cannot start is said.
  fs::permissions(dir.file("inst/kx42cp.exe"), fs::perms::owner_read);
  fs::permissions(dir.file("inst/kx42.exe"), fs::perms::owner_read | fs::perms::owner_write);
  const CadhostRun r2 = run({"(setq version \"TALVEX 1.00\")", "(_gestmaj \"ini\")"});
  EXPECT_TRUE(contient(r2.out, "Erreur d'ouverture du prg <" + inst() + "\\kx42cp.exe>")) << r2.out;
  EXPECT_EQ(fs::status(dir.file("inst/kx42cp.exe")).permissions() & fs::perms::owner_write,
            fs::perms::owner_write);
}

TEST_F(MiseAJourLisp, DefectiveInstallation) {
  fs::remove(dir.file("inst/talvex-support.inf"));
  const CadhostRun r = run({"(setq version \"TALVEX 1.00\")", "(_gestmaj \"ini\")"});
  EXPECT_TRUE(contient(r.out,
                       "[message] Mise à jour automatique: Votre installation est défectueuse - "
                       "MAJ automatique inopérante : " +
                           inst() + "\\talvex-support.inf [OK]"))
      << r.out;
  EXPECT_FALSE(contient(r.out, "à jour\n"));
  EXPECT_FALSE(dir.exists("inst/kx42cp.exe"));
}

// Twenty workstations checking at once: twenty whole lines.
TEST_F(MiseAJourLisp, TwentyWorkstationsAtOnce) {
  constexpr int kPostes = 20;
  std::vector<pid_t> postes;
  for (int i = 0; i < kPostes; ++i) {
    const std::string sortie = dir.file("poste" + std::to_string(i) + ".txt");
    const std::string module = dir.file("inst/talvex.arx");
    const std::string nom = "POSTE" + std::to_string(i);
    const pid_t pid = fork();
    if (pid == 0) {
      ::setenv("COMPUTERNAME", nom.c_str(), 1);
      if (chdir(dir.path().c_str()) != 0) _exit(127);
      dup2(open("/dev/null", O_RDONLY), 0);
      dup2(open(sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
      execl(CADHOST_EXE, CADHOST_EXE, "--load", module.c_str(), "-e",
            "(setq version \"TALVEX 1.01\")", "-e", "(_gestmaj \"ini\")", nullptr);
      _exit(127);
    }
    postes.push_back(pid);
  }
  for (pid_t pid : postes) {
    int statut = 0;
    waitpid(pid, &statut, 0);
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
  }
  const std::vector<std::string> inventaire = lignes(dir.read("maj/clients.inf"));
  EXPECT_EQ(inventaire.size(), static_cast<size_t>(kPostes));
  std::set<std::string> vus;
  const std::regex ligne(
      R"(\d\d/\d\d/20\d\d:\d\d:\d\d\.\d\d\|1\.01\|[0-9.]+\|[^|]*\|(POSTE\d+)\|[^|]*\|[^|]*)");
  for (const std::string& l : inventaire) {
    std::smatch m;
    EXPECT_TRUE(std::regex_match(l, m, ligne)) << l;
    if (m.size() > 1) vus.insert(m[1]);
  }
  EXPECT_EQ(vus.size(), static_cast<size_t>(kPostes)) << "one line from each";
}

}  // namespace
