// Files and directories through the platform layer, with host-style paths.
#include <sys/stat.h>
#include <utime.h>

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform.h"
#include "run_cadhost.h"

namespace {

// "dir/name" written the host's way, with backslashes.
std::string hostPath(const ScratchDir& dir, const std::string& name) {
  std::string p = dir.path() + "\\" + name;
  return p;
}

std::vector<std::string> names(const std::vector<platform::DirEntry>& entries) {
  std::vector<std::string> out;
  for (const auto& e : entries) out.push_back(e.name);
  return out;
}

TEST(PlatformFiles, DirectoriesAreMadeAndRemovedOneLevelAtATime) {
  ScratchDir dir;
  const std::string sub = hostPath(dir, "projet");
  EXPECT_TRUE(platform::createDirectory(sub));
  EXPECT_FALSE(platform::createDirectory(sub));                    // already there
  EXPECT_FALSE(platform::createDirectory(hostPath(dir, "a\\b")));  // parent missing
  EXPECT_TRUE(platform::directoryExists(sub));
  EXPECT_FALSE(platform::fileExists(sub));
  dir.write("projet/plan.dxf", "0\nEOF\n");
  EXPECT_FALSE(platform::removeDirectory(sub));  // not empty
  EXPECT_TRUE(platform::deleteFile(sub + "\\plan.dxf"));
  EXPECT_TRUE(platform::removeDirectory(sub));
  EXPECT_FALSE(platform::pathExists(sub));
}

TEST(PlatformFiles, ReadOnlyFilesAreNeitherDeletedNorOverwritten) {
  ScratchDir dir;
  dir.write("a.txt", "original");
  dir.write("b.txt", "autre");
  const std::string a = hostPath(dir, "a.txt");
  EXPECT_FALSE(platform::isReadOnly(a));
  ASSERT_TRUE(platform::setReadOnly(a, true));
  EXPECT_TRUE(platform::isReadOnly(a));
  EXPECT_TRUE(platform::fileInfo(a)->readOnly);
  struct stat st;
  ASSERT_EQ(::stat(dir.file("a.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0222, 0u);  // every write bit gone

  EXPECT_FALSE(platform::deleteFile(a));
  EXPECT_FALSE(platform::copyFile(hostPath(dir, "b.txt"), a, false));
  EXPECT_EQ(dir.read("a.txt"), "original");
  ASSERT_TRUE(platform::setReadOnly(a, false));
  EXPECT_TRUE(platform::copyFile(hostPath(dir, "b.txt"), a, false));
  EXPECT_EQ(dir.read("a.txt"), "autre");
  EXPECT_TRUE(platform::deleteFile(a));
  EXPECT_FALSE(platform::setReadOnly(a, true));  // gone
}

TEST(PlatformFiles, CopyAndMoveKeepContentAndRespectExistingFiles) {
  ScratchDir dir;
  dir.write("src.txt", "contenu");
  dir.write("dst.txt", "ancien");
  ::utimbuf old{1000000000, 1000000000};
  ASSERT_EQ(::utime(dir.file("src.txt").c_str(), &old), 0);
  const std::string src = hostPath(dir, "src.txt"), dst = hostPath(dir, "dst.txt");

  EXPECT_FALSE(platform::copyFile(src, dst, true));
  EXPECT_EQ(dir.read("dst.txt"), "ancien");
  EXPECT_TRUE(platform::copyFile(src, hostPath(dir, "new.txt"), true));
  EXPECT_EQ(dir.read("new.txt"), "contenu");
  EXPECT_EQ(platform::fileInfo(hostPath(dir, "new.txt"))->modified, 1000000000);
  EXPECT_FALSE(platform::copyFile(src, src, false));
  EXPECT_FALSE(platform::copyFile(hostPath(dir, "none.txt"), hostPath(dir, "x.txt"), false));

  EXPECT_FALSE(platform::moveFile(src, dst));  // never replaces
  EXPECT_TRUE(platform::moveFile(src, hostPath(dir, "moved.txt")));
  EXPECT_FALSE(dir.exists("src.txt"));
  EXPECT_EQ(dir.read("moved.txt"), "contenu");
}

TEST(PlatformFiles, InformationAndWildcardListing) {
  ScratchDir dir;
  dir.write("Plan.DXF", "12345");
  dir.write("coupe.dxf", "1");
  dir.write("coupe.dxf.bak", "1");
  dir.write("notes", "1");
  dir.write("a1.txt", "1");
  dir.write("a22.txt", "1");
  ASSERT_TRUE(platform::createDirectory(hostPath(dir, "sous")));

  auto info = platform::fileInfo(hostPath(dir, "Plan.DXF"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->size, 5u);
  EXPECT_FALSE(info->isDirectory);
  EXPECT_GT(info->modified, 1600000000);
  EXPECT_TRUE(platform::fileInfo(hostPath(dir, "sous"))->isDirectory);
  EXPECT_FALSE(platform::fileInfo(hostPath(dir, "absent")));

  using V = std::vector<std::string>;
  EXPECT_EQ(names(platform::listDirectory(hostPath(dir, "*.dxf"))), (V{"Plan.DXF", "coupe.dxf"}));
  EXPECT_EQ(names(platform::listDirectory(hostPath(dir, "a?.txt"))), (V{"a1.txt"}));
  EXPECT_EQ(names(platform::listDirectory(hostPath(dir, "a*.TXT"))), (V{"a1.txt", "a22.txt"}));
  EXPECT_EQ(platform::listDirectory(hostPath(dir, "*.*")).size(), 7u);
  EXPECT_EQ(platform::listDirectory(hostPath(dir, "*")).size(), 7u);
  EXPECT_EQ(names(platform::listDirectory(hostPath(dir, "notes"))), (V{"notes"}));
  const auto dirs = platform::listDirectory(hostPath(dir, "s*"));
  ASSERT_EQ(dirs.size(), 1u);
  EXPECT_TRUE(dirs[0].info.isDirectory);
  EXPECT_TRUE(platform::listDirectory(hostPath(dir, "absent\\*")).empty());
}

TEST(PlatformFiles, CurrentDirectoryAndModulePath) {
  ScratchDir dir;
  const std::string before = platform::currentDirectory();
  ASSERT_TRUE(platform::setCurrentDirectory(hostPath(dir, "")));
  char real[4096];
  ASSERT_NE(::realpath(dir.path().c_str(), real), nullptr);
  EXPECT_EQ(platform::currentDirectory(), real);
  EXPECT_FALSE(platform::setCurrentDirectory(hostPath(dir, "absent")));
  ASSERT_TRUE(platform::setCurrentDirectory(before));

  // An address in a library gives the library (the host library that modules
  // load; this program holds a host of its own); one in this program, the program.
  void* library = ::dlopen(TEST_BINARY_DIR "/lib/libcadhost_core.so", RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << ::dlerror();
  const std::string host = platform::modulePath(::dlsym(library, "acutNewRb"));
  ::dlclose(library);
  EXPECT_NE(host.find("libcadhost_core.so"), std::string::npos) << host;
  EXPECT_EQ(host.front(), '/');
  static int here = 0;
  const std::string self = platform::modulePath(&here);
  EXPECT_NE(self.find("test_platform"), std::string::npos) << self;
  EXPECT_EQ(platform::modulePath(nullptr), "");
}

}  // namespace
