// DCL dialogs driven by a LISP program through cadhost, answered by the
// scripted user: tiles read and set, lists filled, actions with their
// variables, closing statuses, and the errors a program makes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "run_cadhost.h"

namespace {

const std::string kDcl = std::string(TEST_SOURCE_DIR) + "/dcl/data/profil.dcl";

class DclLisp : public ::testing::Test {
 protected:
  ScratchDir dir;
  // Runs `script` after loading the DCL file into ID; no module is loaded.
  CadhostRun runScript(const std::string& script) {
    std::filesystem::create_directories(dir.file("nomodules"));
    dir.write("dlg.lsp", "(setq id (load_dialog \"" + kDcl + "\"))\n" + script);
    return runCadhost(dir, {"dlg.lsp"}, dir.file("nomodules"));
  }
};

bool has(const std::string& out, const std::string& text) {
  return out.find(text) != std::string::npos;
}

TEST_F(DclLisp, ActionsSeeTheTilesAndCloseWithTheirStatus) {
  const CadhostRun r = runScript(R"lsp(
(new_dialog "profil" id)
(setq avant (list (get_tile "nom") (get_attr "nom" "label") (get_attr "nom" "edit_limit")
                  (get_attr "nom" "absent") (get_tile "absent")))
(start_list "calques") (mapcar 'add_list '("0" "Axe" "Bord")) (end_list)
(start_list "calques" 2) (add_list "Talus") (end_list)
(client_data_tile "calques" "couches")
(action_tile "nom" "(setq vu-nom (list $key $value $reason))")
(action_tile "calques" "(setq vu-calques (list $value $data))")
(action_tile "brouillon" "(set_tile \"etat\" (strcat \"brouillon \" $value))")
(action_tile "accept"
  "(setq lu (mapcar 'get_tile '(\"nom\" \"calques\" \"brouillon\" \"etat\"))) (done_dialog 7)")
(user-input '(dialog ("nom" . "Route départementale") ("calques" . "Talus") "brouillon" "calcul"
                     "accept" "cancel"))
(setq fin (start_dialog))
(prin1 (list fin avant lu vu-nom vu-calques par-dcl $key (get_tile "nom")))
)lsp");
  ASSERT_EQ(r.status, 0) << r.out;
  // The edit box keeps 12 bytes; Talus was appended as item 3; the button's
  // own DCL action ran; the pressed cancel came after the dialog had closed.
  EXPECT_TRUE(has(r.out,
                  "(7 (\"Axe 1\" \"Nom :\" \"12\" nil nil)"
                  " (\"Route dépar\" \"3\" \"1\" \"brouillon 1\")"
                  " (\"nom\" \"Route dépar\" 1) (\"3\" \"couches\") (\"calcul\" 1)"
                  " nil nil)"))
      << r.out;
}

TEST_F(DclLisp, OkCancelEscapeDisabledTilesAndNestedDialogs) {
  const CadhostRun r = runScript(R"lsp(
(defun ouvrir (nom reponses)
  (new_dialog nom id)
  (foreach x reponses (user-input x))
  (start_dialog))
(setq simples (list (ouvrir "profil" '((dialog "accept"))) (ouvrir "profil" '((dialog "cancel")))
                    (ouvrir "confirmer" nil) (ouvrir "profil" '("accept"))))
(new_dialog "profil" id)
(start_list "calques") (mapcar 'add_list '("0" "Axe")) (end_list)
(start_list "calques" 1 0) (add_list "Terrain") (end_list)
(setq hors-liste (start_list "calques" 1 5) sur-edit (start_list "nom"))
(mode_tile "brouillon" 1)
(action_tile "calcul"
  "(setq choix (get_tile \"calques\")) (new_dialog \"confirmer\" id)
   (setq interne (start_dialog) cle-apres $key) (done_dialog 3)")
(user-input '(dialog ("calques" . "Terrain") "brouillon" "calcul") '(dialog "accept"))
(setq imbrique (start_dialog))
(new_dialog "profil" id "(setq defaut (list $key $value))")
(action_tile "accept" "(done_dialog)")
(user-input '(dialog "brouillon" "accept"))
(prin1 (list simples imbrique interne cle-apres choix hors-liste sur-edit (start_dialog) defaut))
)lsp");
  ASSERT_EQ(r.status, 0) << r.out;
  // OK 1, Cancel 0, Escape on the empty queue 0, "accept" typed as text 1; the
  // default action of new_dialog runs for a tile without its own; done_dialog
  // without a status gives 0 even from OK.
  EXPECT_TRUE(has(r.out, "((1 0 0 1) 3 1 \"calcul\" \"0\" nil nil 0 (\"brouillon\" \"1\"))"))
      << r.out;
  EXPECT_TRUE(has(r.out, "aucune réponse en attente pour \"Confirmer\""));
  EXPECT_TRUE(has(r.out, "\"brouillon\" est désactivé, action ignorée")) << r.out;
}

TEST_F(DclLisp, FailuresGiveNilOrTheUsualErrors) {
  CadhostRun r = runScript(
      "(prin1 (list (minusp (load_dialog \"absent\")) (new_dialog \"inconnu\" id)"
      " (new_dialog \"profil\" 99) (start_dialog) (get_tile \"nom\") (done_dialog)))");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r.out, "(T nil nil nil nil nil)")) << r.out;

  const std::vector<std::pair<std::string, std::string>> cases = {
      {"(load_dialog 5)", "type d'argument incorrect: stringp: 5"},
      {"(new_dialog \"profil\" \"1\")", "type d'argument incorrect: fixnump: \"1\""},
      {"(new_dialog \"profil\" id \"\" 4)", "type d'argument incorrect: point 2D/3D: 4"},
      {"(new_dialog \"profil\" id) (set_tile \"nom\" 5)", "type d'argument incorrect: stringp: 5"},
      {"(new_dialog \"profil\" id) (mode_tile \"nom\" \"1\")",
       "type d'argument incorrect: fixnump: \"1\""},
      {"(new_dialog \"profil\" id) (start_list \"calques\" 1.5)",
       "type d'argument incorrect: fixnump: 1.5"},
      {"(action_tile \"nom\")", "nombre d'arguments insuffisant"},
      {"(done_dialog 1 2)", "trop d'arguments"},
  };
  for (const auto& [expr, message] : cases) {
    r = runScript(expr + "\n(princ \"après\")");
    EXPECT_EQ(r.status, 1) << expr;
    EXPECT_TRUE(has(r.out, "; erreur: " + message)) << expr << "\n" << r.out;
    EXPECT_FALSE(has(r.out, "après")) << expr;
  }
}

TEST_F(DclLisp, AnErrorInAnActionClosesTheDialogAndStopsTheProgram) {
  const CadhostRun r = runScript(R"lsp(
(defun *error* (msg) (princ (strcat "\nattrapé: " msg " / " (itoa (length vus)))))
(new_dialog "profil" id)
(action_tile "brouillon" "(setq vus (cons $value vus)) (car $value)")
(user-input '(dialog "brouillon" "brouillon" "accept"))
(princ (start_dialog))
(princ "jamais")
)lsp");
  EXPECT_EQ(r.status, 1) << r.out;
  // The first failing action ends the dialog: the second press never runs.
  EXPECT_TRUE(has(r.out, "attrapé: type d'argument incorrect: listp: \"1\" / 1")) << r.out;
  EXPECT_FALSE(has(r.out, "jamais")) << r.out;
}

}  // namespace
