// What the updater reads of the installation and where it looks for the package.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_cadhost.h"
#include "update/ulbrec.h"

namespace fs = std::filesystem;

namespace {

TEST(PaquetMaj, VersionsAreComparedTrimmedAndWithoutCase) {
  EXPECT_TRUE(maj::memesVersions("1.01", "1.01 "));
  EXPECT_TRUE(maj::memesVersions("\t1.01b\r", "1.01B"));
  EXPECT_FALSE(maj::memesVersions("1.01", "1.010"));
  EXPECT_FALSE(maj::memesVersions("1.01", "???"));

  ScratchDir dir;
  fs::create_directories(dir.file("inst"));
  fs::create_directories(dir.file("maj"));
  dir.write("inst/talvex-version.inf", " 1.01 \r\nD:\\donnees\r\n");
  dir.write("inst/talvex-support.inf", dir.path() + "/maj\r\nsecond texte\r\n");
  dir.write("maj/talvex-version.inf", "  1.01\tpubliée le 3 mai\n");
  maj::DIALOGUES_ULBREC dialogues({});
  const maj::INSTALLATION i = maj::lisInstallation(dir.file("inst"), dialogues);
  EXPECT_EQ(i.versionInstallee, " 1.01 ");
  EXPECT_EQ(i.racine2, "D:\\donnees");
  EXPECT_EQ(i.dossierMaj, dir.path() + "/maj");
  EXPECT_EQ(i.versionDisponible, "1.01");
  EXPECT_TRUE(maj::memesVersions(i.versionInstallee, i.versionDisponible));

  // Nothing readable: "???" everywhere, and no package is looked for.
  const maj::INSTALLATION vide = maj::lisInstallation(dir.file("absent"), dialogues);
  EXPECT_EQ(vide.versionInstallee, "???");
  EXPECT_EQ(vide.dossierMaj, "???");
  EXPECT_EQ(vide.versionDisponible, "???");
  EXPECT_FALSE(maj::cherchePaquet(vide));
}

TEST(PaquetMaj, SearchOrder) {
  ScratchDir dir;
  maj::INSTALLATION i;
  i.dossierMaj = dir.path();
  i.versionInstallee = "1.00 ";
  i.versionDisponible = "1.01";
  const std::string ordre[] = {
      "talvex-1.00-to-1.01", "talvex-1.00-to-1.01.exe", "talvex-1.01", "talvex-1.01.exe", "talvex",
      "talvex.exe"};
  for (const std::string& nom : ordre) {
    if (nom.ends_with(".exe"))
      dir.write(nom, "programme");
    else
      fs::create_directories(dir.file(nom));
  }
  for (const std::string& nom : ordre) {
    EXPECT_EQ(maj::cherchePaquet(i), dir.path() + "\\" + nom);
    fs::remove(dir.file(nom));
  }
  EXPECT_FALSE(maj::cherchePaquet(i));
}

}  // namespace
