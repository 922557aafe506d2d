// The cadhost program as a user drives it: command line, exit statuses,
// module loading and the values that cross between LISP and a module.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_cadhost.h"

namespace {

std::string moduleA() { return testModuleDir() + "/testmod_a.arx"; }
std::string moduleB() { return testModuleDir() + "/testmod_b.arx"; }

class Cadhost : public ::testing::Test {
 protected:
  ScratchDir dir;
  // An empty module directory, so that only the modules a test names are loaded.
  std::string noModules() {
    std::filesystem::create_directories(dir.file("nomodules"));
    return dir.file("nomodules");
  }
  CadhostRun run(const std::vector<std::string>& args) {
    return runCadhost(dir, args, noModules());
  }
};

TEST_F(Cadhost, ExitStatusesTellSuccessLispErrorAndBadCommandLine) {
  EXPECT_EQ(run({"-e", "(+ 1 2)"}).status, 0);
  EXPECT_EQ(run({"--bogus"}).status, 2);
  EXPECT_EQ(run({"--drawing"}).status, 2);
  EXPECT_EQ(run({"--drawing", "missing.dxf"}).status, 2);

  dir.write("bad.lsp", "(princ \"avant\")\n(car 5)\n(princ \"apres\")\n");
  const CadhostRun r = run({"--save", "out.dxf", "bad.lsp"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("avant"), std::string::npos);
  EXPECT_NE(r.out.find("; erreur: "), std::string::npos);
  EXPECT_EQ(r.out.find("apres"), std::string::npos) << "the script stops at its error";
  EXPECT_FALSE(dir.exists("out.dxf")) << "a failed run saves nothing";
}

TEST_F(Cadhost, ExpressionsAndScriptsRunInTheOrderGiven) {
  dir.write("s.lsp", "(princ (strcat \"script \" X))\n(setq X \"2\")\n");
  const CadhostRun r = run({"-e", "(setq X \"1\")", "s.lsp", "-e", "(princ (strcat \"expr \" X))"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const size_t script = r.out.find("script 1"), expr = r.out.find("expr 2");
  ASSERT_NE(script, std::string::npos) << r.out;
  ASSERT_NE(expr, std::string::npos) << r.out;
  EXPECT_LT(script, expr);
}

TEST_F(Cadhost, DrawingBuiltBySaveAndReadBack) {
  dir.write("make.lsp",
            "(entmake '((0 . \"POINT\") (8 . \"TOPO\") (10 1.5 2.5 3.5)))\n"
            "(command \"_3DPOLY\" '(0 0 0) '(10 0 1) '(10 10 2) \"\")\n");
  ASSERT_EQ(run({"--save", "a.dxf", "make.lsp"}).status, 0);
  ASSERT_TRUE(dir.exists("a.dxf"));
  const CadhostRun r =
      run({"--drawing", "a.dxf", "-e", "(princ (sslength (ssget \"X\" '((8 . \"topo\")))))", "-e",
           "(princ (cdr (assoc 10 (entget (ssname (ssget \"X\" '((0 . \"POINT\")))"
           " 0)))))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("1"), std::string::npos);
  EXPECT_NE(r.out.find("(1.5 2.5 3.5)"), std::string::npos) << r.out;
}

TEST_F(Cadhost, EmptyAnswerQueueAnswersEscapeAndSaysSo) {
  // Escape at a prompt cancels the LISP function, as in the host.
  const CadhostRun r = run({"-e", "(princ (getpoint \"Point: \"))"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("aucune réponse en attente pour \"Point: \""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("; erreur: Fonction annulée"), std::string::npos) << r.out;
}

TEST_F(Cadhost, QueuedAnswersAreTakenInOrder) {
  const CadhostRun r =
      run({"-e", "(user-input '(1 2 3) \"Oui\")", "-e", "(princ (getpoint \"P: \"))", "-e",
           "(initget \"Oui Non\") (princ (getkword \"Choix: \"))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(1.0 2.0 3.0)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Oui"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("aucune réponse"), std::string::npos) << r.out;
}

TEST_F(Cadhost, ModuleGetsTheHostMessagesInOrder) {
  const CadhostRun r = run({"--load", moduleA(), "-e", "(arxunload \"testmod_a\")"});
  ASSERT_EQ(r.status, 0) << r.out;
  // initialise, load drawing, unload drawing, unload application
  const size_t init = r.out.find("[testmod_a] message 1"),
               load = r.out.find("[testmod_a] message 3"),
               undwg = r.out.find("[testmod_a] message 4"),
               unapp = r.out.find("[testmod_a] message 2");
  ASSERT_NE(init, std::string::npos) << r.out;
  ASSERT_NE(unapp, std::string::npos) << r.out;
  EXPECT_LT(init, load);
  EXPECT_LT(load, undwg);
  EXPECT_LT(undwg, unapp);
}

TEST_F(Cadhost, QuitThenUnloadWhenTheHostEnds) {
  const CadhostRun r = run({"--load", moduleA(), "-e", "(princ)"});
  ASSERT_EQ(r.status, 0) << r.out;
  const size_t quit = r.out.find("[testmod_a] message 8"),
               unapp = r.out.find("[testmod_a] message 2");
  ASSERT_NE(quit, std::string::npos) << r.out;
  ASSERT_NE(unapp, std::string::npos) << r.out;
  EXPECT_LT(quit, unapp);
}

TEST_F(Cadhost, TwoModulesKeepTheirOwnState) {
  const CadhostRun r =
      run({"--load", moduleA(), "--load", moduleB(), "-e",
           "(princ (list (testmod_a-count) (testmod_a-count) (testmod_b-count)))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(1 2 1)"), std::string::npos) << r.out;
}

TEST_F(Cadhost, ValuesCrossIntoAModuleAndBackUnchanged) {
  const CadhostRun r = run({"--load", moduleA(), "-e",
                            "(prin1 (testmod_a-echo 12 70000 2.5 \"texte\" '(1 2) '(1.0 2.0 3.0)"
                            " '(1 2 3 4) nil T '(\"a\" . 5) '((1 \"x\") 2)))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(12 70000 2.5 \"texte\" (1.0 2.0) (1.0 2.0 3.0) (1 2 3 4) nil T "
                       "(\"a\" . 5) ((1 \"x\") 2))"),
            std::string::npos)
      << r.out;
}

TEST_F(Cadhost, ModuleReadsAndWritesLispSymbols) {
  const CadhostRun r =
      run({"--load", moduleA(), "-e", "(setq ABC '(1 \"deux\" 3.0))", "-e",
           "(prin1 (testmod_a-getsym \"ABC\"))", "-e", "(testmod_a-putsym \"XYZ\" 42) (prin1 XYZ)",
           "-e", "(prin1 (testmod_a-getsym \"PASDEFINI\"))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(1 \"deux\" 3.0)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("42"), std::string::npos) << r.out;
}

TEST_F(Cadhost, AModuleThatFailsToLoadIsNamedAndOthersStillLoad) {
  dir.write("broken.arx", "not a shared library");
  const CadhostRun r = run(
      {"--load", dir.file("broken.arx"), "--load", moduleB(), "-e", "(princ (testmod_b-count))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("broken.arx"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("[testmod_b] message 1"), std::string::npos) << r.out;
}

TEST_F(Cadhost, AnExceptionLeavingAModuleDoesNotStopTheHost) {
  const CadhostRun r =
      run({"--load", moduleA(), "-e", "(testmod_a-throw)", "-e", "(princ \"encore vivant\")"});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("encore vivant"), std::string::npos) << r.out;
}

TEST_F(Cadhost, UnloadedModuleFunctionsAreGone) {
  const CadhostRun r =
      run({"--load", moduleA(), "-e", "(arxunload \"testmod_a\")", "-e", "(testmod_a-count)"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("; erreur: "), std::string::npos) << r.out;
}

}  // namespace

namespace {

TEST_F(Cadhost, DrawingSettingsTravelWithTheDrawing) {
  ASSERT_EQ(run({"--save", "r.dxf", "-e", "(setvar \"LUPREC\" 6) (setvar \"PLINEGEN\" 1)"}).status,
            0);
  const CadhostRun r =
      run({"--drawing", "r.dxf", "-e", "(princ (list (getvar \"LUPREC\") (getvar \"PLINEGEN\")))"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(6 1)"), std::string::npos) << r.out;
}

}  // namespace
