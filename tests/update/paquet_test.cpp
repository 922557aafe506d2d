// How the updater compares versions and where it looks for the package.
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
  maj::INSTALLATION illisible = i;
  illisible.dossierMaj = "???";
  EXPECT_FALSE(maj::cherchePaquet(illisible)) << "an unread update directory is not searched";
  for (const std::string& nom : ordre) {
    EXPECT_EQ(maj::cherchePaquet(i), dir.path() + "\\" + nom);
    fs::remove(dir.file(nom));
  }
  EXPECT_FALSE(maj::cherchePaquet(i));
}

}  // namespace
