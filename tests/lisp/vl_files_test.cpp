// File names, files, the environment and the registry from LISP.
#include <cstdlib>
#include <filesystem>

#include "lisp_fixture.h"
#include "run_cadhost.h"

namespace {

using VlFiles = LispTest;

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

TEST_F(VlFiles, FileNamesSplitOnEitherSeparator) {
  EXPECT_EQ(eval("(vl-filename-base \"c:\\\\acadwin\\\\acad.exe\")"), "\"acad\"");
  EXPECT_EQ(eval("(vl-filename-base \"c:\\\\acadwin\\\\acad\")"), "\"acad\"");
  EXPECT_EQ(eval("(vl-filename-base \"/projets/route.v1/plan\")"), "\"plan\"");
  EXPECT_EQ(eval("(vl-filename-directory \"c:\\\\acadwin\\\\acad.exe\")"), "\"c:\\\\acadwin\"");
  EXPECT_EQ(eval("(vl-filename-directory \"acad.exe\")"), "\"\"");
  EXPECT_EQ(eval("(vl-filename-directory \"/projets/plan.dxf\")"), "\"/projets\"");
  EXPECT_EQ(eval("(vl-filename-extension \"c:\\\\acadwin\\\\acad.exe\")"), "\".exe\"");
  EXPECT_EQ(eval("(vl-filename-extension \"c:\\\\route.v1\\\\plan\")"), "nil");
  EXPECT_EQ(eval("(vl-filename-base 3)"), "error: type d'argument incorrect: stringp: 3");
}

TEST_F(VlFiles, CopyRenameDeleteAndList) {
  ScratchDir dir;
  dir.write("a.txt", "abc\n");
  const std::string a = quoted(dir.file("a.txt")), b = quoted(dir.file("b.txt"));
  EXPECT_EQ(eval("(vl-file-size " + a + ")"), "4");
  EXPECT_EQ(eval("(vl-file-size " + quoted(dir.path()) + ")"), "0");
  EXPECT_EQ(eval("(vl-file-size " + quoted(dir.file("rien")) + ")"), "nil");
  EXPECT_EQ(eval("(vl-file-copy " + a + " " + b + ")"), "4");
  EXPECT_EQ(eval("(vl-file-copy " + a + " " + b + ")"), "nil") << "never overwrites";
  EXPECT_EQ(eval("(vl-file-copy " + a + " " + b + " T)"), "4");
  EXPECT_EQ(dir.read("b.txt"), "abc\nabc\n");
  EXPECT_EQ(eval("(vl-file-rename " + b + " " + a + ")"), "nil") << "the new name is taken";
  EXPECT_EQ(eval("(vl-file-rename " + b + " " + quoted(dir.file("c.txt")) + ")"), "T");
  std::filesystem::create_directories(dir.file("sous"));
  EXPECT_EQ(eval("(vl-directory-files " + quoted(dir.path()) + " \"*.txt\" 1)"),
            "(\"a.txt\" \"c.txt\")");
  EXPECT_EQ(eval("(vl-directory-files " + quoted(dir.path()) + " nil -1)"),
            "(\".\" \"..\" \"sous\")");
  EXPECT_EQ(eval("(vl-directory-files " + quoted(dir.file("rien")) + ")"), "nil");
  EXPECT_EQ(eval("(list (vl-file-directory-p " + quoted(dir.file("sous")) +
                 ") (vl-file-directory-p " + a + "))"),
            "(T nil)");
  EXPECT_EQ(eval("(list (vl-file-delete " + a + ") (vl-file-delete " + a + "))"), "(T nil)");
  // Temporary names: five letters of the pattern, three of their own, never an existing file.
  const std::string first =
      eval("(setq t1 (vl-filename-mktemp \"essai.tmp\" " + quoted(dir.path()) + "))");
  EXPECT_NE(first.find("ESSAI"), std::string::npos) << first;
  EXPECT_EQ(first.substr(first.size() - 5), ".TMP\"");
  eval("(close (open t1 \"w\"))");
  EXPECT_EQ(eval("(= t1 (vl-filename-mktemp \"essai.tmp\" " + quoted(dir.path()) + "))"), "nil");
  EXPECT_EQ(eval("(vl-filename-base (vl-filename-mktemp \"mon_application\" " + quoted(dir.path()) +
                 " \".del\"))")
                .size(),
            10u);
}

TEST_F(VlFiles, EnvironmentRegistryAndPrograms) {
  ScratchDir dir;
  setenv("CADHOST_REGISTRY", dir.file("registre.txt").c_str(), 1);
  EXPECT_EQ(eval("(setenv \"TALVEX_ESSAI_LISP\" \"oui\")"), "\"oui\"");
  EXPECT_EQ(eval("(getenv \"TALVEX_ESSAI_LISP\")"), "\"oui\"");
  EXPECT_EQ(eval("(getenv \"TALVEX_PAS_DEFINIE\")"), "nil");
  const std::string key = "\"HKEY_CURRENT_USER\\\\Software\\\\Talvex\\\\Essai\"";
  EXPECT_EQ(eval("(vl-registry-write " + key + " \"Dossier\" \"c:\\\\projets\")"),
            "\"c:\\\\projets\"");
  EXPECT_EQ(eval("(vl-registry-write " + key + " \"Compte\" 42)"), "42");
  EXPECT_EQ(eval("(list (vl-registry-read " + key + " \"dossier\") (vl-registry-read " + key +
                 " \"Compte\") (vl-registry-read " + key + " \"Rien\"))"),
            "(\"c:\\\\projets\" 42 nil)");
  EXPECT_NE(dir.read("registre.txt").find("\"Compte\"=dword:0000002a"), std::string::npos);
  unsetenv("CADHOST_REGISTRY");
  EXPECT_EQ(eval("(numberp (startapp \"true\"))"), "T");
  EXPECT_EQ(eval("(startapp \"/pas/de/programme\")"), "nil");
  EXPECT_EQ(eval("(vl-load-com)"), "nil");
}

}  // namespace
