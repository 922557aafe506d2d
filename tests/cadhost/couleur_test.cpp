// The host's colour dialog from LISP, answered by the scripted user.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run_cadhost.h"

namespace {

TEST(ColourDialog, AnswersOfTheScriptedUser) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.file("nomodules"));
  dir.write("c.lsp",
            "(user-input 30 nil 'cancel '(dialog (\"couleur\" . \"200\") \"accept\")"
            " '(dialog \"cancel\") 256 0 12.5 \"abc\" 255 0 256)\n"
            "(prin1 (list (acad_colordlg 1) (acad_colordlg 7) (acad_colordlg 7)"
            " (acad_colordlg 7) (acad_colordlg 7) (acad_colordlg 7 nil) (acad_colordlg 7 T)))\n"
            "(acad_colordlg)\n");
  const CadhostRun r = runCadhost(dir, {"c.lsp"}, dir.file("nomodules"));
  // Enter keeps the initial colour; 256, 12.5 and "abc" are refused without
  // the meta colours and the dialog asked again; with them, 0 is BYBLOCK.
  EXPECT_NE(r.out.find("(30 7 nil 200 nil 255 0)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Couleur non valide: un numéro de 1 à 255 est attendu."), std::string::npos)
      << r.out;
  EXPECT_EQ(r.status, 1) << r.out;  // the call without its colour is an error
}

}  // namespace
