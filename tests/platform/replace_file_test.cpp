// Saves that replace a file all or nothing: the file's permissions, symbolic
// links and the user's other files survive; a failed save changes nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "env_override.h"
#include "platform.h"
#include "run_cadhost.h"

namespace fs = std::filesystem;

namespace {

mode_t modeOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

bool writes(std::string_view path, const std::string& text) {
  return platform::replaceFile(path, [&](std::ostream& out) { return bool(out << text); });
}

size_t entries(const ScratchDir& dir) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir.path()), {}));
}

TEST(ReplaceFile, KeepsPermissionsAndTheUsersOtherFiles) {
  ScratchDir dir;
  dir.write("plan.dxf", "ancien");
  ::chmod(dir.file("plan.dxf").c_str(), 0600);
  // Names a save might have picked for its temporary file.
  const char* const others[] = {"plan.dxf.tmp", "plan.dxf.tmp~", ".plan.dxf.tmp"};
  for (const char* other : others) dir.write(other, other);

  ASSERT_TRUE(writes(dir.file("plan.dxf"), "nouveau"));
  EXPECT_EQ(dir.read("plan.dxf"), "nouveau");
  EXPECT_EQ(modeOf(dir.file("plan.dxf")), 0600u);
  for (const char* other : others) EXPECT_EQ(dir.read(other), other);
  EXPECT_EQ(entries(dir), 4u) << "no temporary file is left behind";

  // A new file gets the permissions the user's umask gives.
  const mode_t old = ::umask(027);
  ASSERT_TRUE(writes(dir.file("neuf.txt"), "x"));
  ::umask(old);
  EXPECT_EQ(modeOf(dir.file("neuf.txt")), 0640u);
}

TEST(ReplaceFile, ASymbolicLinkStaysALinkAndItsTargetGetsTheText) {
  ScratchDir dir;
  fs::create_directories(dir.file("projets"));
  dir.write("projets/route.axs", "ancien");
  ::chmod(dir.file("projets/route.axs").c_str(), 0640);
  fs::create_symlink("projets/route.axs", dir.file("lien.axs"));    // relative to the link
  fs::create_symlink(dir.file("lien.axs"), dir.file("lien2.axs"));  // a link to a link

  ASSERT_TRUE(writes(dir.file("lien2.axs"), "nouveau"));
  EXPECT_TRUE(fs::is_symlink(dir.file("lien.axs")));
  EXPECT_TRUE(fs::is_symlink(dir.file("lien2.axs")));
  EXPECT_EQ(dir.read("projets/route.axs"), "nouveau");
  EXPECT_EQ(modeOf(dir.file("projets/route.axs")), 0640u);
  EXPECT_EQ(entries(dir), 3u);

  // Backslashes are path separators, as everywhere in the platform layer.
  ASSERT_TRUE(writes(dir.path() + "\\projets\\route.axs", "encore"));
  EXPECT_EQ(dir.read("lien.axs"), "encore");
}

TEST(ReplaceFile, AFailedWriteChangesNothing) {
  ScratchDir dir;
  const std::string old = std::string("ancien\r\n\0fin", 12);
  dir.write("plan.dxf", old);
  ::chmod(dir.file("plan.dxf").c_str(), 0600);

  EXPECT_FALSE(platform::replaceFile(dir.file("plan.dxf"), [](std::ostream& out) {
    out << "à moitié";
    return false;
  }));
  EXPECT_FALSE(platform::replaceFile(dir.file("plan.dxf"), [](std::ostream& out) {
    out << "à moitié";
    out.setstate(std::ios::badbit);
    return true;
  }));
  EXPECT_FALSE(platform::replaceFile(dir.file("plan.dxf"), [](std::ostream& out) -> bool {
    out << "à moitié";
    throw std::runtime_error("interrompu");
  }));
  EXPECT_FALSE(writes(dir.file("absent/plan.dxf"), "x"));
  EXPECT_FALSE(writes(dir.path(), "x")) << "a directory is not replaced";
  EXPECT_FALSE(writes("", "x"));

  EXPECT_EQ(dir.read("plan.dxf"), old);
  EXPECT_EQ(modeOf(dir.file("plan.dxf")), 0600u);
  EXPECT_EQ(entries(dir), 1u);
}

TEST(ReplaceFile, TheRegistryFileKeepsItsPermissionsAndLink) {
  ScratchDir dir;
  dir.write("vrai.txt", "");
  ::chmod(dir.file("vrai.txt").c_str(), 0600);
  fs::create_symlink(dir.file("vrai.txt"), dir.file("registre.txt"));
  EnvOverride file("CADHOST_REGISTRY", dir.file("registre.txt"));

  ASSERT_TRUE(platform::writeRegistryString("HKCU\\Software\\Talvex", "Cle", "valeur"));
  EXPECT_TRUE(fs::is_symlink(dir.file("registre.txt")));
  EXPECT_NE(dir.read("vrai.txt").find("valeur"), std::string::npos);
  EXPECT_EQ(modeOf(dir.file("vrai.txt")), 0600u);
}

}  // namespace
