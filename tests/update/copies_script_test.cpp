// What the file and directory commands leave on disk: copies over read-only files, moves, the
// tree copy with and without "*", emptying and deleting directories.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform.h"
#include "script_essai.h"

namespace fs = std::filesystem;

namespace {

size_t entrees(const std::string& dossier) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dossier), {}));
}

TEST(CopiesScript, ReadOnlyTargetsAreReplacedAndCopiesAreNeverReadOnly) {
  ScratchDir dir;
  fs::create_directories(dir.file("r1/pkg/bin"));
  fs::create_directories(dir.file("r2/bin"));
  dir.write("r1/pkg/bin/prog", "#!/bin/sh\nexit 0\n");
  ::chmod(dir.file("r1/pkg/bin/prog").c_str(), 0555);  // read-only and executable
  dir.write("r1/pkg/lisezmoi", "nouveau");
  dir.write("r2/lisezmoi", "ancien");
  ::chmod(dir.file("r2/lisezmoi").c_str(), 0444);
  dir.write("r2/bin/prog", "ancien");
  ::chmod(dir.file("r2/bin/prog").c_str(), 0444);

  const ExecutionEssai e =
      executeDans(dir,
                  "_FSM_INTERNE_CPF \"@1\\\\pkg\\\\lisezmoi\" \"@2\\\\lisezmoi\";"
                  "_FSM_INTERNE_CPR \"@1\\\\pkg\\\\*\" \"@2\\\\\";");
  EXPECT_EQ(e.statut, 1) << ::testing::PrintToString(e.journal);
  EXPECT_EQ(dir.read("r2/lisezmoi"), "nouveau");
  EXPECT_EQ(dir.read("r2/bin/prog"), "#!/bin/sh\nexit 0\n");
  EXPECT_FALSE(platform::isReadOnly(dir.file("r2/lisezmoi")));
  EXPECT_FALSE(platform::isReadOnly(dir.file("r2/bin/prog")));
  struct stat st;
  ASSERT_EQ(::stat(dir.file("r2/bin/prog").c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IXUSR) << "a program copied still runs";
  EXPECT_EQ(entrees(dir.file("r2")), 2u) << "no temporary file left";
  EXPECT_EQ(entrees(dir.file("r2/bin")), 1u);
  EXPECT_EQ(e.rapport.copies, 3);
}

TEST(CopiesScript, TreeCopiesMovesAndDeletes) {
  ScratchDir dir;
  fs::create_directories(dir.file("r1/src/sous/bas"));
  dir.write("r1/src/a", "a");
  dir.write("r1/src/sous/b", "b");
  dir.write("r1/src/sous/bas/c", "c");
  fs::create_directories(dir.file("r1/plat"));
  dir.write("r1/plat/x", "x");
  dir.write("r1/plat/y", "y");
  fs::create_directories(dir.file("r2/dest"));

  // Without "*" the destination is made, one level; with it, the contents go into it.
  ExecutionEssai e = executeDans(dir,
                                 "_FSM_INTERNE_CPR \"@1\\\\src\" \"@2\\\\copie\";"
                                 "_FSM_INTERNE_CPR \"@1\\\\src\\\\*\" \"@2\\\\dest\";"
                                 "_FSM_INTERNE_CPCR \"@1\\\\plat\" \"@2\\\\dest\";"
                                 "_FSM_INTERNE_MVF \"@2\\\\dest\\\\x\" \"@2\\\\x2\";"
                                 "_FSM_INTERNE_REN \"@2\\\\x2\" \"@2\\\\x3\";"
                                 "_FSM_INTERNE_MVR \"@1\\\\plat\" \"@2\\\\copie\";");
  ASSERT_EQ(e.statut, 1) << ::testing::PrintToString(e.journal);
  EXPECT_EQ(dir.read("r2/copie/sous/bas/c"), "c");
  EXPECT_EQ(dir.read("r2/copie/a"), "a");
  EXPECT_EQ(dir.read("r2/dest/sous/b"), "b");
  EXPECT_FALSE(fs::exists(dir.file("r2/dest/src")));
  EXPECT_EQ(dir.read("r2/dest/y"), "y");
  EXPECT_EQ(dir.read("r2/x3"), "x");
  EXPECT_FALSE(fs::exists(dir.file("r2/x2")));
  EXPECT_FALSE(fs::exists(dir.file("r2/dest/x")));
  EXPECT_EQ(dir.read("r2/copie/x"), "x");
  EXPECT_EQ(entrees(dir.file("r1/plat")), 0u) << "moved away";

  // Moving onto itself, or into a path it begins, counts as done; copying does not.
  e = executeDans(dir,
                  "_FSM_INTERNE_REN \"@2\\\\x3\" \"@2\\\\X3\";"
                  "_FSM_INTERNE_MVF \"@2\\\\x3\" \"@2\\\\x3.bak\";");
  EXPECT_EQ(e.statut, 1);
  EXPECT_EQ(dir.read("r2/x3"), "x");
  e = executeDans(dir, "_FSM_INTERNE_CPF \"@2\\\\x3\" \"@2\\\\x3.bak\";");
  EXPECT_EQ(e.statut, 0);

  // A subdirectory fails emptying and flat copies, after the files went.
  e = executeDans(dir, "_FSM_INTERNE_VIDE \"@2\\\\copie\";");
  EXPECT_EQ(e.statut, 0);
  EXPECT_FALSE(fs::exists(dir.file("r2/copie/a")));
  EXPECT_TRUE(fs::exists(dir.file("r2/copie/sous/b")));
  e = executeDans(dir, "_FSM_INTERNE_CPCR \"@2\\\\copie\" \"@1\\\\plat\";");
  EXPECT_EQ(e.statut, 0);

  // A read-only file stops a recursive delete, whose other entries still go.
  ::chmod(dir.file("r2/copie/sous/bas/c").c_str(), 0444);
  e = executeDans(dir, "_FSM_INTERNE_RMR \"@2\\\\copie\";");
  EXPECT_EQ(e.statut, 0);
  EXPECT_FALSE(fs::exists(dir.file("r2/copie/sous/b")));
  EXPECT_TRUE(fs::exists(dir.file("r2/copie/sous/bas/c")));
  ::chmod(dir.file("r2/copie/sous/bas/c").c_str(), 0644);
  e = executeDans(dir, "_FSM_INTERNE_RMR \"@2\\\\copie\"; _FSM_INTERNE_RMF \"@2\\\\x3\";");
  EXPECT_EQ(e.statut, 1);
  EXPECT_FALSE(fs::exists(dir.file("r2/copie")));
  EXPECT_FALSE(fs::exists(dir.file("r2/x3")));
}

}  // namespace
