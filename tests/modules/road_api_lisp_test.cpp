// The road API as the road programs call it: LISP scripts through cadhost with
// Talvex loaded, the project file beside them.
#include <gtest/gtest.h>

#include "run_cadhost.h"

namespace {

TEST(RoadApiLisp, AlignmentWrittenThenReadBackThroughItsSymbols) {
  ScratchDir dir;
  dir.write("ecrit.lsp",
            "(setq CHEMINOM \"projet\" NMAXE-P \"RN7\" PLAN-CONS \"AXE\" ABSCD 0.0 ABSCF 80.0"
            " PREMPROF 3 NB-EAXP 1 PBG-ZE '(0.0 0.0 0.0) PHD-ZE '(80.0 10.0 0.0) VIT-REF \"90\""
            " LAXE-P '((\"D1\" 0.0 1 80.0)))\n(ecri_info_0)\n");
  dir.write(
      "lit.lsp",
      "(setq CHEMINOM \"projet\")\n(lec_info_0 \"rn7\" nil)\n"
      "(prin1 (list ABSCF PREMPROF PLAN-CONS VIT-REF LAXE-P))\n(lec_info_0 \"inconnu\" nil)\n");
  const CadhostRun w = runCadhost(dir, {"--load", "talvex", "ecrit.lsp"});
  ASSERT_EQ(w.status, 0) << w.out;
  ASSERT_TRUE(dir.exists("projet.axs"));
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "lit.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(80.0 3 \"AXE\" \"90\" ((\"D1\" 0.0 1 80.0)))"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("SelectionAxe: Axe non trouve"), std::string::npos) << r.out;
}

TEST(RoadApiLisp, FreezeAllButTheEssentialLayersThenThaw) {
  ScratchDir dir;
  dir.write("calques.lsp",
            "(foreach c '(\"TN\" \"talvex\" \"FOSSE\" \"RD1_BORD\" \"PLATE_AP\")"
            " (entmake (list '(0 . \"POINT\") (cons 8 c) '(10 0.0 0.0 0.0))))\n"
            "(setvar \"CLAYER\" \"TN\")\n(gele_tout)\n"
            "(defun gele (c) (= 1 (logand 1 (cdr (assoc 70 (tblsearch \"LAYER\" c))))))\n"
            "(prin1 (mapcar 'gele '(\"0\" \"TN\" \"TALVEX\" \"FOSSE\" \"RD1_BORD\")))\n"
            "(setq NMAXE-P \"RD1\")\n(libere_tout)\n"
            "(prin1 (mapcar 'gele '(\"FOSSE\" \"RD1_BORD\" \"PLATE_AP\")))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "calques.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(nil nil nil T T)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(nil T T)"), std::string::npos) << r.out;
}

}  // namespace
