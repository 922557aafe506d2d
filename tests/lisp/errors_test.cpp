// Errors as a script sees them: the printed line with file and line number,
// the user's *error*, the script stopping, deep recursion.
#include "lisp/environment.h"
#include "lisp_fixture.h"

namespace {

using Errors = LispTest;

TEST_F(Errors, PrintedWithFileAndLineAndTheScriptStops) {
  const char* script =
      "(setq a 1)\n"
      "(defun f (x)\n"
      "  (+ x \"deux\"))\n"
      "(f a)\n"
      "(setq a 2)\n";
  EXPECT_FALSE(run(script, "route.lsp"));
  // The line is that of the innermost form: inside f.
  EXPECT_EQ(out, "; erreur: type d'argument incorrect: numberp: \"deux\" (route.lsp, ligne 3)\n");
  EXPECT_EQ(eval("a"), "1");
}

TEST_F(Errors, ReaderErrorsStopBeforeTheBadExpressionButAfterTheGoodOnes) {
  EXPECT_FALSE(run("(setq a 1)\n(setq b (list 1 2)\n", "s.lsp"));
  EXPECT_EQ(out, "; erreur: parenthèse fermante manquante (s.lsp, ligne 2)\n");
  EXPECT_EQ(eval("a"), "1");
  out.clear();
  EXPECT_FALSE(run("(setq c 3))\n", "s.lsp"));
  EXPECT_EQ(out, "; erreur: parenthèse fermante en trop (s.lsp, ligne 1)\n");
}

TEST_F(Errors, ErrorLineStartsOnItsOwnLine) {
  EXPECT_FALSE(run("(princ \"partial\")\n(car 1)", "s.lsp"));
  EXPECT_EQ(out, "partial\n; erreur: type d'argument incorrect: listp: 1 (s.lsp, ligne 2)\n");
}

TEST_F(Errors, UserErrorHandlerReceivesTheMessageInsteadOfThePrint) {
  const char* script =
      "(defun *error* (msg) (princ (strcat \"[\" msg \"]\")) (princ))\n"
      "(setq before 1)\n"
      "(/ 1 0)\n"
      "(setq after 1)\n";
  EXPECT_FALSE(run(script));
  EXPECT_EQ(out, "[division par zéro]");
  EXPECT_EQ(eval("(list before after)"), "(1 nil)");
}

TEST_F(Errors, ALocalErrorHandlerRunsWithTheFunctionsLocalsStillBound) {
  const char* script =
      "(defun c:trace (/ *error* etape)\n"
      "  (defun *error* (msg) (princ (strcat etape \": \" msg)))\n"
      "  (setq etape \"calcul\")\n"
      "  (sqrt -4))\n"
      "(c:trace)\n";
  EXPECT_FALSE(run(script));
  EXPECT_EQ(out, "calcul: fonction non définie pour l'argument: -4");
  // The local handler is gone afterwards.
  EXPECT_EQ(eval("*error*"), "nil");
}

TEST_F(Errors, AFailingHandlerIsReportedAndNotCalledAgain) {
  EXPECT_FALSE(run("(defun *error* (msg) (car msg))\n(car 1)\n", "h.lsp"));
  EXPECT_EQ(out,
            "; erreur: type d'argument incorrect: listp: \"type d'argument incorrect: listp: 1\" "
            "(h.lsp, ligne 1)\n");
}

TEST_F(Errors, ExitAndQuitStopTheScript) {
  EXPECT_FALSE(run("(setq a 1) (exit) (setq a 2)", "q.lsp"));
  EXPECT_EQ(out, "; erreur: quitter / sortir abandon (q.lsp, ligne 1)\n");
  EXPECT_EQ(eval("a"), "1");
}

TEST_F(Errors, DeepRecursionIsAnErrorNotACrash) {
  EXPECT_FALSE(run("(defun sans-fin (n) (1+ (sans-fin (1+ n))))\n(sans-fin 0)\n", "r.lsp"));
  EXPECT_EQ(
      out,
      "; erreur: limite de pile interne atteinte (récursion trop profonde) (r.lsp, ligne 1)\n");
  // The interpreter is whole afterwards: bindings unwound, depth back to zero.
  EXPECT_EQ(eval("n"), "nil");
  EXPECT_EQ(eval("(defun fact (n) (if (< n 2) 1 (* n (fact (1- n))))) (fact 10)"), "3628800");
  EXPECT_EQ(lisp.environment().depth(), 0);
}

TEST_F(Errors, RecursionOutOfStackStillReachesTheUserHandler) {
  const char* script =
      "(defun *error* (msg) (princ (strcat \"stop: \" msg)) (princ))\n"
      "(defun sans-fin (n) (sans-fin (1+ n)))\n"
      "(sans-fin 0)\n";
  EXPECT_FALSE(run(script));
  EXPECT_EQ(out, "stop: limite de pile interne atteinte (récursion trop profonde)");
}

TEST_F(Errors, NestedDataTooDeepToPrintIsAnError) {
  out.clear();
  EXPECT_FALSE(run("(setq n nil) (repeat 200000 (setq n (list n))) n", "-e", true));
  EXPECT_NE(out.find("; erreur: limite de pile interne atteinte"), std::string::npos);
  EXPECT_EQ(eval("(setq n nil)"), "nil");
}

TEST_F(Errors, EchoPrintsEachResultOnItsOwnLine) {
  EXPECT_TRUE(run("(+ 1 2) \"a\" (princ \"x\") (princ)", "-e", true));
  EXPECT_EQ(out, "3\n\"a\"\nx\n\"x\"\n");
}

}  // namespace
