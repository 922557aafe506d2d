// Built-ins that go through the host's C API: entities, tables, selection
// sets, system variables, commands, and module functions.
#include "acedads.h"
#include "core/session.h"
#include "lisp_fixture.h"
#include "run_cadhost.h"

namespace {

using HostCalls = LispTest;

TEST_F(HostCalls, EntmakeEntgetEntmodEntdel) {
  EXPECT_EQ(eval("(entmake '((0 . \"LINE\") (8 . \"TALUS\") (10 0.0 0.0 0.0) (11 10.0 0.0 0.0)))"),
            "((0 . \"LINE\") (8 . \"TALUS\") (10 0.0 0.0 0.0) (11 10.0 0.0 0.0))");
  EXPECT_EQ(eval("(setq e (entlast)) (cdr (assoc 0 (entget e)))"), "\"LINE\"");
  EXPECT_EQ(eval("(cdr (assoc 8 (entget e)))"), "\"TALUS\"");
  EXPECT_EQ(eval("(cdr (assoc 11 (entget e)))"), "(10.0 0.0 0.0)");
  EXPECT_EQ(eval("(eq (cdr (assoc -1 (entget e))) e)"), "T");
  EXPECT_EQ(eval("(type e)"), "ENAME");
  EXPECT_EQ(eval("(entmod (subst '(8 . \"AXE\") (assoc 8 (entget e)) (entget e))) "
                 "(cdr (assoc 8 (entget e)))"),
            "\"AXE\"");
  EXPECT_EQ(eval("(eq (handent (cdr (assoc 5 (entget e)))) e)"), "T");
  EXPECT_EQ(eval("(eq (entdel e) e)"), "T");
  EXPECT_EQ(eval("(entget e)"), "nil");
  EXPECT_EQ(eval("(entmake '((0 . \"PASUNTYPE\")))"), "nil");
  EXPECT_EQ(eval("(entmake '((0 . \"LINE\") (62 . 1.5)))"),
            "error: groupe DXF incorrect: (62 . 1.5)");
}

TEST_F(HostCalls, TablesAndSystemVariables) {
  eval("(entmake '((0 . \"POINT\") (8 . \"TERRAIN\") (10 1.0 2.0 3.0)))");
  EXPECT_EQ(eval("(cdr (assoc 2 (tblsearch \"LAYER\" \"terrain\")))"), "\"TERRAIN\"");
  EXPECT_EQ(eval("(tblsearch \"LAYER\" \"absent\")"), "nil");
  EXPECT_EQ(eval("(cdr (assoc 0 (tblnext \"LAYER\" t)))"), "\"LAYER\"");
  EXPECT_EQ(eval("(getvar \"clayer\")"), "\"0\"");
  EXPECT_EQ(eval("(setvar \"USERI1\" 42) (getvar \"USERI1\")"), "42");
  EXPECT_EQ(eval("(setvar \"USERR1\" 2.5) (getvar \"USERR1\")"), "2.5");
  EXPECT_EQ(eval("(getvar \"PASUNEVARIABLE\")"), "nil");
  EXPECT_EQ(eval("(setvar \"PASUNEVARIABLE\" 1)"),
            "error: définition de variable système rejetée: \"PASUNEVARIABLE\" 1");
}

TEST_F(HostCalls, SelectionSetsAreOwnedByTheirLispValue) {
  eval("(entmake '((0 . \"LINE\") (8 . \"SEL\") (10 0.0 0.0 0.0) (11 1.0 1.0 0.0)))");
  eval("(entmake '((0 . \"LINE\") (8 . \"SEL\") (10 0.0 1.0 0.0) (11 1.0 2.0 0.0)))");
  EXPECT_EQ(eval("(setq ss (ssget \"X\" '((8 . \"SEL\")))) (sslength ss)"), "2");
  EXPECT_EQ(eval("(type ss)"), "PICKSET");
  EXPECT_EQ(eval("(setq e (ssname ss 0)) (type e)"), "ENAME");
  EXPECT_EQ(eval("(ssname ss 5)"), "nil");
  EXPECT_EQ(eval("(eq (ssmemb e ss) e)"), "T");
  EXPECT_EQ(eval("(eq (ssdel e ss) ss)"), "T");
  EXPECT_EQ(eval("(list (sslength ss) (ssmemb e ss))"), "(1 nil)");
  EXPECT_EQ(eval("(setq s2 (ssadd)) (sslength (ssadd e s2))"), "1");
  EXPECT_EQ(eval("(ssget \"X\" '((8 . \"AUCUN\")))"), "nil");
  EXPECT_EQ(eval("(sslength (ssget \"_x\" '((0 . \"LINE\") (8 . \"SEL\"))))"), "2");

  // The host's set lives exactly as long as its LISP value.
  resbuf* held = nullptr;
  ASSERT_EQ(lisp.getSym("ss", &held), RTNORM);
  ASSERT_NE(held, nullptr);
  ASSERT_EQ(held->restype, RTPICKS);
  const int64_t name[2] = {held->resval.rlname[0], held->resval.rlname[1]};
  acutRelRb(held);
  int32_t n = 0;
  EXPECT_EQ(acedSSLength(name, &n), RTNORM);
  eval("(setq ss nil)");
  EXPECT_NE(acedSSLength(name, &n), RTNORM);
}

TEST_F(HostCalls, CommandsGoToTheHostCommandProcessor) {
  EXPECT_EQ(eval("(command \"_LINE\" '(100 100) '(200 100) \"\")"), "nil");
  EXPECT_EQ(eval("(cdr (assoc 10 (entget (entlast))))"), "(100.0 100.0 0.0)");
  EXPECT_EQ(eval("(cdr (assoc 11 (entget (entlast))))"), "(200.0 100.0 0.0)");
  // A command left open is finished by a later call.
  eval("(command \"_LINE\" '(0 50) '(10 50))");
  EXPECT_EQ(eval("(command \"\") (cdr (assoc 11 (entget (entlast))))"), "(10.0 50.0 0.0)");
}

TEST_F(HostCalls, GeometryHelpers) {
  EXPECT_EQ(eval("(polar '(1 1) 0 2)"), "(3.0 1.0)");
  EXPECT_EQ(eval("(polar '(1 1 5) (/ pi 2) 2)"), "(1.0 3.0 5.0)");
  EXPECT_EQ(eval("(distance '(0 0) '(3 4))"), "5.0");
  EXPECT_EQ(eval("(distance '(0 0 0) '(3 4 12))"), "13.0");
  EXPECT_EQ(eval("(distance '(0 0) '(3 4 12))"), "5.0");  // in plan when one is 2D
  EXPECT_EQ(eval("(angle '(0 0) '(0 -1))"), "4.71239");
  EXPECT_EQ(eval("(inters '(0 0) '(10 0) '(5 -5) '(5 5))"), "(5.0 0.0)");
  EXPECT_EQ(eval("(inters '(0 0) '(1 0) '(5 -5) '(5 5))"), "nil");
  EXPECT_EQ(eval("(inters '(0 0) '(1 0) '(5 -5) '(5 5) nil)"), "(5.0 0.0)");
  // A point given as a segment of no length: on the segment, beside it, beyond its end.
  EXPECT_EQ(eval("(inters '(0 0 0) '(10 0 10) '(4 0 4) '(4 0 4))"), "(4.0 0.0 4.0)");
  EXPECT_EQ(eval("(inters '(4 0 4) '(4 0 4) '(0 0 0) '(10 0 10))"), "(4.0 0.0 4.0)");
  EXPECT_EQ(eval("(inters '(0 0 0) '(10 0 10) '(4 0 4.1) '(4 0 4.1))"), "nil");
  EXPECT_EQ(eval("(inters '(0 0 0) '(10 0 10) '(12 0 12) '(12 0 12))"), "nil");
  EXPECT_EQ(eval("(inters '(0 0 0) '(10 0 10) '(12 0 12) '(12 0 12) nil)"), "(12.0 0.0 12.0)");
  EXPECT_EQ(eval("(trans '(1 2 3) 0 1)"), "(1.0 2.0 3.0)");
  EXPECT_EQ(eval("(polar 1 0 1)"), "error: type d'argument incorrect: point 2D/3D: 1");
}

// Modules define their functions in the drawings' own interpreters.
TEST_F(HostCalls, ModuleFunctionsReceiveConvertedArgumentsAndReturnLispData) {
  lisp::Interpreter& doc = host::session().current().lisp();
  auto in = [&](std::string_view source) { return evalIn(doc, source); };
  const std::string path = testModuleDir() + "/testmod_a.arx";
  ASSERT_EQ(in("(arxload \"" + path + "\")"), "\"" + path + "\"");
  EXPECT_TRUE(doc.isFunction("testmod_a-echo"));
  // echo gives back the argument list as it arrived: several items -> a list.
  EXPECT_EQ(in("(testmod_a-echo 1 70000 2.5 \"a\" '(1 2) '(1 2 3) '(8 . \"C\") '((1 2) x) nil t)"),
            "(1 70000 2.5 \"a\" (1.0 2.0) (1.0 2.0 3.0) (8 . \"C\") ((1.0 2.0) \"X\") nil T)");
  EXPECT_EQ(in("(testmod_a-echo \"seul\")"), "\"seul\"");
  EXPECT_EQ(in("(testmod_a-void)"), "nil");
  EXPECT_EQ(in("(setq lcote 12.5) (testmod_a-getsym \"LCOTE\")"), "12.5");
  EXPECT_EQ(in("(testmod_a-putsym \"NB-PTAB\" 3 4) nb-ptab"), "(3 4)");
  EXPECT_EQ(in("(type testmod_a-echo)"), "EXRXSUBR");
  // A module that fails gives nil; the program goes on.
  EXPECT_EQ(in("(list (testmod_a-throw) 'suite)"), "(nil SUITE)");
  EXPECT_EQ(in("(arxunload \"testmod_a\")"), "\"testmod_a\"");
  EXPECT_FALSE(doc.isFunction("testmod_a-echo"));
  EXPECT_EQ(in("(arxload \"pas-de-module\" 'echec)"), "ECHEC");
  EXPECT_EQ(in("(arxunload \"pas-de-module\" nil)"), "nil");
}

TEST_F(HostCalls, EachDrawingHasItsOwnSymbols) {
  host::Session& session = host::session();
  const size_t first = &session.current() == &session.document(0) ? 0 : session.documentCount();
  ASSERT_EQ(first, 0u);
  EXPECT_EQ(evalIn(session.current().lisp(), "(setq propre-au-dessin 1)"), "1");
  session.newDocument("");
  const size_t second = session.documentCount() - 1;
  EXPECT_EQ(evalIn(session.current().lisp(), "propre-au-dessin"), "nil");
  session.activate(0);
  EXPECT_EQ(evalIn(session.current().lisp(), "propre-au-dessin"), "1");
  session.closeDocument(second);
}

TEST_F(HostCalls, AScriptDrawingAProfileFromComputedPoints) {
  const char* script =
      "(setq pts (mapcar '(lambda (x) (list x (* 0.5 x) (/ x 10.0))) '(0 10 20 30)))\n"
      "(entmake '((0 . \"POLYLINE\") (8 . \"PROFIL\") (66 . 1) (70 . 8) (10 0.0 0.0 0.0)))\n"
      "(foreach p pts\n"
      "  (entmake (list '(0 . \"VERTEX\") '(8 . \"PROFIL\") (cons 10 p) '(70 . 32))))\n"
      "(entmake '((0 . \"SEQEND\") (8 . \"PROFIL\")))\n"
      "(setq pl (entlast) e (entnext pl) n 0 long 0.0 prec nil)\n"
      "(while (= (cdr (assoc 0 (entget e))) \"VERTEX\")\n"
      "  (setq p (cdr (assoc 10 (entget e))) n (1+ n))\n"
      "  (if prec (setq long (+ long (distance prec p))))\n"
      "  (setq prec p e (entnext e)))\n"
      "(princ (strcat \"sommets: \" (itoa n) \", longueur: \" (rtos long 2 3) \"\\n\"))\n";
  EXPECT_TRUE(run(script, "profil.lsp")) << out;
  // 3 segments of sqrt(10^2 + 5^2 + 1^2)
  EXPECT_EQ(out, "sommets: 4, longueur: 33.675\n");
  EXPECT_EQ(eval("(sslength (ssget \"X\" '((0 . \"POLYLINE\") (8 . \"PROFIL\"))))"), "1");
}

}  // namespace
