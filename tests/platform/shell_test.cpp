// Opening files through associations kept in the registry.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "env_override.h"
#include "platform.h"
#include "run_cadhost.h"

namespace {

class Shell : public ::testing::Test {
 protected:
  // A registry of our own, and no xdg-open to fall back on.
  Shell()
      : registry_("CADHOST_REGISTRY", dir_.file("registre.txt")), path_("PATH", dir_.file("bin")) {
    std::filesystem::create_directory(dir_.file("bin"));
    // The "viewer" writes its arguments to a file, so the test sees it ran.
    dir_.write("viewer.sh", "#!/bin/sh\nprintf '%s|' \"$@\" > \"" + dir_.file("opened.txt") +
                                ".tmp\"\n"
                                "/bin/mv \"" +
                                dir_.file("opened.txt") + ".tmp\" \"" + dir_.file("opened.txt") +
                                "\"\n");
    ::chmod(dir_.file("viewer.sh").c_str(), 0755);
    dir_.write("plan de masse.dxf", "0\nEOF\n");
  }

  // What the viewer was given, once it has run (waiting up to `ms`).
  std::string opened(int ms = 2000) {
    for (int i = 0; i < ms / 5 && !dir_.exists("opened.txt"); ++i) ::usleep(5000);
    return dir_.exists("opened.txt") ? dir_.read("opened.txt") : "<not run>";
  }

  ScratchDir dir_;
  EnvOverride registry_;
  EnvOverride path_;
};

TEST_F(Shell, OpenRunsTheProgramOfTheFileType) {
  const std::string file = dir_.file("plan de masse.dxf");
  ASSERT_TRUE(platform::writeRegistryString("HKEY_CLASSES_ROOT\\.dxf", "", "Talvex.Dessin"));
  ASSERT_TRUE(platform::writeRegistryString("HKCR\\Talvex.Dessin\\shell\\open\\command", "",
                                            "\"" + dir_.file("viewer.sh") + "\" -v \"%1\""));
  EXPECT_GT(platform::shellExecute("open", file), 32);
  EXPECT_EQ(opened(), "-v|" + file + "|");
  EXPECT_EQ(platform::associatedProgram("autre.DXF"), dir_.file("viewer.sh"));
  EXPECT_EQ(platform::associatedProgram(".dxf"), dir_.file("viewer.sh"));

  // No command for that verb: nothing to run.
  EXPECT_EQ(platform::shellExecute("print", file), SE_ERR_NOASSOC);
}

TEST_F(Shell, AProgramPathAsTheAssociationGetsTheFileLast) {
  dir_.write("notes.txt", "x");
  ASSERT_TRUE(platform::writeRegistryString("HKCR\\.txt", "", dir_.file("viewer.sh")));
  EXPECT_GT(platform::shellExecute("", dir_.file("notes.txt")), 32);  // the empty verb is open
  EXPECT_EQ(opened(), dir_.file("notes.txt") + "|");
  EXPECT_EQ(platform::associatedProgram("notes.txt"), dir_.file("viewer.sh"));
}

TEST_F(Shell, AnExecutableOpensItselfWithTheParameters) {
  EXPECT_GT(platform::shellExecute("open", dir_.file("viewer.sh"), "un \"deux trois\""), 32);
  EXPECT_EQ(opened(), "un|deux trois|");
  EXPECT_EQ(platform::associatedProgram(dir_.file("viewer.sh")), dir_.file("viewer.sh"));
}

TEST_F(Shell, FailuresAnswerAValueOfAtMost32) {
  EXPECT_EQ(platform::shellExecute("open", dir_.file("absent.dxf")), SE_ERR_FNF);
  EXPECT_EQ(platform::shellExecute("open", dir_.file("absent\\plan.dxf")), SE_ERR_PNF);
  EXPECT_EQ(platform::shellExecute("open", dir_.file("plan de masse.dxf\\x")), SE_ERR_PNF);
  EXPECT_EQ(platform::shellExecute("open", ""), SE_ERR_FNF);
  // No association, and no xdg-open on the PATH.
  EXPECT_EQ(platform::shellExecute("open", dir_.file("plan de masse.dxf")), SE_ERR_NOASSOC);
  EXPECT_EQ(platform::shellExecute("explore", dir_.path()), SE_ERR_NOASSOC);
  EXPECT_EQ(platform::shellExecute("explore", dir_.file("plan de masse.dxf")), SE_ERR_NOASSOC);
  EXPECT_FALSE(platform::associatedProgram(".dxf"));
  // An association to a program that is not there.
  platform::writeRegistryString("HKCR\\.dxf", "", "Rien");
  platform::writeRegistryString("HKCR\\Rien\\shell\\open\\command", "",
                                "/nonexistent/viewer \"%1\"");
  EXPECT_LE(platform::shellExecute("open", dir_.file("plan de masse.dxf")), 32);
  EXPECT_EQ(opened(100), "<not run>");
}

TEST_F(Shell, ExploreOpensAFolderThroughItsAssociation) {
  platform::writeRegistryString("HKCR\\Folder\\shell\\explore\\command", "",
                                "\"" + dir_.file("viewer.sh") + "\" --dossier \"%1\"");
  EXPECT_GT(platform::shellExecute("explore", dir_.path()), 32);
  EXPECT_EQ(opened(), "--dossier|" + dir_.path() + "|");
}

}  // namespace
