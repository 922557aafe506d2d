// The project's companion files on "save as", with Talvex loaded in cadhost:
// a WBLOCK cancelled at its prompt or failing must not keep the next SAVEAS
// from carrying the project to the new name.
#include <gtest/gtest.h>

#include "run_cadhost.h"

namespace {

TEST(CompagnonsLisp, AWblockCancelledOrFailedLeavesTheNextSaveAsCopying) {
  ScratchDir dir;
  dir.write("plan.axs", "axs");
  dir.write("plan.tal", "tal");
  dir.write("s.lsp",
            "(command \"_.SAVEAS\" \"\" \"plan.dwg\")\n"
            "(user-input 'cancel)\n"
            "(command \"_.WBLOCK\" pause)\n"
            "(command \"_.SAVEAS\" \"\" \"neuf.dwg\")\n"
            "(princ (strcat \"\\n<\" CHEMINOM \">\\n\"))\n"
            "(command \"_.WBLOCK\" \"bloc.dwg\" \"inexistant\")\n"
            "(command \"_.SAVEAS\" \"\" \"autre.dwg\")\n"
            "(princ (strcat \"\\n<\" CHEMINOM \">\\n\"))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "s.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  ASSERT_NE(r.out.find("Entrez le nom du fichier: *Annuler*"), std::string::npos) << r.out;
  ASSERT_NE(r.out.find("Bloc \"inexistant\" introuvable."), std::string::npos) << r.out;
  // Escape at WBLOCK's prompt, then SAVEAS.
  ASSERT_TRUE(dir.exists("neuf.axs")) << r.out;
  EXPECT_EQ(dir.read("neuf.axs"), "axs");
  EXPECT_EQ(dir.read("neuf.tal"), "tal");
  EXPECT_NE(r.out.find("<neuf>"), std::string::npos) << r.out;
  // A WBLOCK that fails (no such block), then SAVEAS.
  ASSERT_TRUE(dir.exists("autre.axs")) << r.out;
  EXPECT_EQ(dir.read("autre.tal"), "tal");
  EXPECT_NE(r.out.find("<autre>"), std::string::npos) << r.out;
  EXPECT_FALSE(dir.exists("bloc.axs"));
}

}  // namespace
