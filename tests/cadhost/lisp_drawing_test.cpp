// What LISP programs reach in the drawing and from the user, through cadhost:
// extended data kept in DXF, records and dictionaries by name, input answered
// by the scripted user, and an office's own tool run end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_cadhost.h"

namespace {

class LispDrawing : public ::testing::Test {
 protected:
  ScratchDir dir;
  CadhostRun run(const std::vector<std::string>& args,
                 const std::vector<std::pair<std::string, std::string>>& env = {}) {
    std::filesystem::create_directories(dir.file("nomodules"));
    return runCadhost(dir, args, dir.file("nomodules"), env);
  }
  static bool has(const CadhostRun& r, const std::string& text) {
    return r.out.find(text) != std::string::npos;
  }
};

TEST_F(LispDrawing, ExtendedDataSurvivesADxfSaveAndReload) {
  dir.write(
      "xd.lsp",
      "(regapp \"TALVEX_BORNE\") (regapp \"SANS_DONNEES\")\n"
      "(entmake '((0 . \"POINT\") (8 . \"TOPO\") (10 1.0 2.0 0.0)"
      " (-3 (\"TALVEX_BORNE\" (1000 . \"borne 12\") (1002 . \"{\") (1040 . 3.5)"
      " (1070 . 7) (1002 . \"}\") (1010 1.0 2.0 3.0)))))\n"
      "(print (entmake '((0 . \"POINT\") (10 0.0 0.0 0.0) (-3 (\"INCONNUE\" (1000 . \"x\"))))))\n"
      "(print (entget (entlast)))\n");
  const CadhostRun made = run({"--save", "xd.dxf", "xd.lsp"});
  ASSERT_EQ(made.status, 0) << made.out;
  EXPECT_TRUE(has(made, "\nnil")) << "an unregistered application is refused: " << made.out;
  EXPECT_FALSE(has(made, "(-3")) << "entget without applications gives no extended data";

  const std::string point = "(ssname (ssget \"X\" '((0 . \"POINT\"))) 0)";
  const CadhostRun back =
      run({"--drawing", "xd.dxf", "-e", "(entget " + point + " '(\"talvex*\"))", "-e",
           "(entget " + point + " '(\"AUTRE\"))", "-e",
           "(list (regapp \"TALVEX_BORNE\") (tblsearch \"APPID\" \"SANS_DONNEES\"))", "-e",
           "(list (xdroom " + point + ") (xdsize '((\"TALVEX_BORNE\" (1000 . \"borne 12\")))))"});
  ASSERT_EQ(back.status, 0) << back.out;
  EXPECT_TRUE(has(back,
                  "(10 1.0 2.0 0.0) (-3 (\"TALVEX_BORNE\" (1000 . \"borne 12\") (1002 . "
                  "\"{\") (1040 . 3.5) (1070 . 7) (1002 . \"}\") (1010 1.0 2.0 3.0))))"))
      << back.out;
  EXPECT_TRUE(has(back, "(8 . \"TOPO\") (10 1.0 2.0 0.0))\n")) << back.out;
  EXPECT_TRUE(has(back, "(nil ((0 . \"APPID\") (2 . \"SANS_DONNEES\") (70 . 0)))")) << back.out;
  EXPECT_TRUE(has(back, "(16316 24)")) << back.out;

  // entmod changes one application's data and leaves the rest.
  const CadhostRun mod =
      run({"--drawing", "xd.dxf", "-e", "(setq e " + point + ")", "-e",
           "(entmod (append (entget e) '((62 . 1))))", "-e",
           "(entmod (append (entget e) '((-3 (\"TALVEX_BORNE\" (1000 . \"borne 13\"))))))", "-e",
           "(entget e '(\"*\"))"});
  ASSERT_EQ(mod.status, 0) << mod.out;
  EXPECT_TRUE(has(mod, "(62 . 1) (10 1.0 2.0 0.0) (-3 (\"TALVEX_BORNE\" (1000 . \"borne 13\"))))"))
      << mod.out;
}

TEST_F(LispDrawing, RecordsAndDictionariesByName) {
  const CadhostRun r =
      run({"-e", "(entmake '((0 . \"LAYER\") (2 . \"AXE\") (70 . 0) (62 . 3)))",
           "-e", "(entget (tblobjname \"LAYER\" \"axe\"))",
           "-e", "(tblobjname \"LAYER\" \"RIEN\")",
           "-e", "(eq (tblobjname \"LAYER\" \"AXE\") (tblobjname \"LAYER\" \"AXE\"))",
           "-e", "(cdr (assoc 0 (dictsearch (namedobjdict) \"ACAD_LAYOUT\")))",
           "-e", "(dictsearch (namedobjdict) \"RIEN\")",
           "-e", "(layoutlist)",
           "-e", "(entmake '((0 . \"POINT\") (10 0.0 0.0 0.0)))",
           "-e", "(setq s (ssget \"X\")) (equal (ssnamex s) (list (list 0 (ssname s 0) 0)))",
           "-e", "(ssnamex s 5)"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r, "(0 . \"LAYER\") (2 . \"AXE\") (70 . 0) (62 . 3)")) << r.out;
  EXPECT_TRUE(has(r, "\nnil\nT\n\"DICTIONARY\"\nnil\n(\"Layout1\")\n")) << r.out;
  EXPECT_TRUE(has(r, "\nT\nnil\n")) << r.out;
}

TEST_F(LispDrawing, InputTakenFromTheScriptedUser) {
  const CadhostRun r = run({"-e", "(user-input 90 '(0 0) '(0 5) '(3 4 0) \"q\" nil 'cancel)",
                            "-e", "(getangle \"Angle: \")",
                            "-e", "(getorient \"Orientation: \")",
                            "-e", "(grread T)",
                            "-e", "(grread)",
                            "-e", "(grread)",
                            "-e", "(vl-catch-all-error-message (vl-catch-all-apply 'grread nil))",
                            "-e", "(command-s \"_LINE\" '(0 0) '(5 5) \"\")",
                            "-e", "(user-input (list (entlast) '(1 1))) (car (nentsel)) ",
                            "-e", "(textbox '((1 . \"ABC\") (40 . 3.0)))",
                            "-e", "(list (graphscr) (menucmd \"P1=*\"))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r, "\n1.5708\n")) << r.out;
  EXPECT_TRUE(has(r, "(3 (3.0 4.0 0.0))\n")) << r.out;
  EXPECT_TRUE(has(r, "(2 113)\n")) << r.out;
  EXPECT_TRUE(has(r, "(2 13)\n")) << r.out;
  EXPECT_TRUE(has(r, "\"Fonction annulée\"")) << r.out;
  EXPECT_TRUE(has(r, "Spécifiez le point suivant")) << r.out;
  EXPECT_TRUE(has(r, "\nT\n")) << "command-s ran the command to its end: " << r.out;
  EXPECT_TRUE(has(r, "\n<Entity name: 1>\n")) << r.out;
  EXPECT_TRUE(has(r, "\n((0.0 0.0 0.0) (6.0 3.0 0.0))\n(nil nil)\n")) << r.out;
}

TEST_F(LispDrawing, ActiveXFunctionsAreNamedAsUnavailable) {
  const CadhostRun r = run({"-e", "(vl-load-com)", "-e",
                            "(vl-catch-all-error-message (vl-catch-all-apply "
                            "'vla-get-modelspace '(nil)))",
                            "-e", "(vlax-get-acad-object)"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r,
                  "\"fonction ActiveX non disponible sur cette plate-forme (pas d'automation "
                  "COM): VLA-GET-MODELSPACE\""))
      << r.out;
  EXPECT_TRUE(has(r,
                  "; erreur: fonction ActiveX non disponible sur cette plate-forme (pas "
                  "d'automation COM): VLAX-GET-ACAD-OBJECT"))
      << r.out;
}

TEST_F(LispDrawing, AnOfficeToolRunsEndToEnd) {
  dir.write("calques.txt",
            "# nom;couleur\n"
            "  talus ; 3\n"
            "axe;1\n"
            "bordure;999\n"
            "fossé*;5\n"
            "\n"
            "Chaussée;8\n");
  const CadhostRun r = run({"--save", "fait.dxf", TEST_SOURCE_DIR "/cadhost/outil_calques.lsp"},
                           {{"DOSSIER_ESSAI", dir.path()}});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(has(r, "Calques créés : 3")) << r.out;
  EXPECT_TRUE(has(r,
                  "Ligne refusée bordure : couleur hors limites 999\n"
                  "Ligne refusée fossé* : nom de calque invalide FOSSÉ*"))
      << r.out;

  const CadhostRun back =
      run({"--drawing", "fait.dxf", "-e",
           "(mapcar '(lambda (n) (cdr (assoc 62 (tblsearch \"LAYER\" n)))) '(\"AXE\" \"CHAUSSÉE\" "
           "\"TALUS\"))",
           "-e", "(cdr (assoc -3 (entget (ssname (ssget \"X\" '((0 . \"POINT\"))) 0) '(\"*\"))))"});
  ASSERT_EQ(back.status, 0) << back.out;
  EXPECT_TRUE(has(back, "(1 8 3)")) << back.out;
  EXPECT_TRUE(has(back, "((\"BUREAU_CALQUES\" (1000 . \"(AXE CHAUSSÉE TALUS)\") (1070 . 3)))"))
      << back.out;
}

}  // namespace
