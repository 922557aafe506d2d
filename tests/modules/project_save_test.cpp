// The road project file as the road API saves it through cadhost: a private
// file stays private, a link stays a link, the user's other files stay theirs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "run_cadhost.h"

namespace fs = std::filesystem;

namespace {

std::string axisScript(const std::string& name) {
  return "(setq CHEMINOM \"projet\" NMAXE-P \"" + name +
         "\" PLAN-CONS \"AXE\" ABSCD 0.0"
         " ABSCF 80.0 PREMPROF 3 NB-EAXP 1 PBG-ZE '(0.0 0.0 0.0) PHD-ZE '(80.0 10.0 0.0)"
         " VIT-REF \"90\" LAXE-P '((\"D1\" 0.0 1 80.0)))\n(ecri_info_0)\n";
}

mode_t modeOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(ProjectSave, KeepsPermissionsLinksAndTheUsersFiles) {
  ScratchDir dir;
  dir.write("rn7.lsp", axisScript("RN7"));
  dir.write("rd1.lsp", axisScript("RD1"));
  ASSERT_EQ(runCadhost(dir, {"--load", "talvex", "rn7.lsp"}).status, 0);
  ASSERT_TRUE(dir.exists("projet.axs"));
  ::chmod(dir.file("projet.axs").c_str(), 0600);
  dir.write("projet.axs.tmp~", "à moi");

  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "rd1.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(dir.read("projet.axs").find("RD1"), std::string::npos);
  EXPECT_EQ(modeOf(dir.file("projet.axs")), 0600u);
  EXPECT_EQ(dir.read("projet.axs.tmp~"), "à moi");

  // The project kept elsewhere, named through a link.
  fs::create_directories(dir.file("archives"));
  fs::rename(dir.file("projet.axs"), dir.file("archives/projet.axs"));
  fs::create_symlink("archives/projet.axs", dir.file("projet.axs"));
  dir.write("a1.lsp", axisScript("A1"));
  ASSERT_EQ(runCadhost(dir, {"--load", "talvex", "a1.lsp"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(dir.file("projet.axs")));
  const std::string kept = dir.read("archives/projet.axs");
  EXPECT_NE(kept.find("A1"), std::string::npos);
  EXPECT_NE(kept.find("RD1"), std::string::npos);
  EXPECT_EQ(modeOf(dir.file("archives/projet.axs")), 0600u);
}

}  // namespace
