// Built-in functions on numbers, lists and texts.
#include "lisp_fixture.h"

namespace {

using Builtins = LispTest;

TEST_F(Builtins, IntegerArithmeticIs32BitsAndStaysInteger) {
  EXPECT_EQ(eval("(/ 7 2)"), "3");
  EXPECT_EQ(eval("(/ -7 2)"), "-3");
  EXPECT_EQ(eval("(/ 7 2.0)"), "3.5");
  EXPECT_EQ(eval("(/ 7 2 1.0)"), "3.0");  // left to right: 7/2 is already 3
  EXPECT_EQ(eval("(+ 2147483647 1)"), "-2147483648");
  EXPECT_EQ(eval("(* 65536 65536)"), "0");
  EXPECT_EQ(eval("(- 5)"), "-5");
  EXPECT_EQ(eval("(- 10 1 2.5)"), "6.5");
  EXPECT_EQ(eval("(+)"), "0");
  EXPECT_EQ(eval("(*)"), "1");
  EXPECT_EQ(eval("(1+ 2147483647)"), "-2147483648");
  EXPECT_EQ(eval("(rem 17 5)"), "2");
  EXPECT_EQ(eval("(rem 7.5 2)"), "1.5");
  EXPECT_EQ(eval("(abs -3)"), "3");
  EXPECT_EQ(eval("(fix -3.7)"), "-3");
  EXPECT_EQ(eval("(float 3)"), "3.0");
  EXPECT_EQ(eval("(max 1 3 2)"), "3");
  EXPECT_EQ(eval("(max 1 3 2.0)"), "3.0");
  EXPECT_EQ(eval("(min 4 -1)"), "-1");
  EXPECT_EQ(eval("(expt 2 10)"), "1024");
  EXPECT_EQ(eval("(expt 2.0 0.5)"), "1.41421");
  EXPECT_EQ(eval("(gcd 12 18)"), "6");
  EXPECT_EQ(eval("(logand 12 10)"), "8");
  EXPECT_EQ(eval("(logior 12 3)"), "15");
  EXPECT_EQ(eval("(lsh 1 4)"), "16");
  EXPECT_EQ(eval("(~ 0)"), "-1");
}

TEST_F(Builtins, ArithmeticErrors) {
  EXPECT_EQ(eval("(/ 1 0)"), "error: division par zéro");
  EXPECT_EQ(eval("(/ 1.0 0)"), "error: division par zéro");
  EXPECT_EQ(eval("(rem 1 0)"), "error: division par zéro");
  EXPECT_EQ(eval("(+ 1 \"a\")"), "error: type d'argument incorrect: numberp: \"a\"");
  EXPECT_EQ(eval("(sqrt -1)"), "error: fonction non définie pour l'argument: -1");
  EXPECT_EQ(eval("(log 0)"), "error: fonction non définie pour l'argument: 0");
}

TEST_F(Builtins, RealsPrintWithSixSignificantDigitsAndAPoint) {
  EXPECT_EQ(eval("(/ 1.0 3)"), "0.333333");
  EXPECT_EQ(eval("1e20"), "1.0e+20");
  EXPECT_EQ(eval("123456789.0"), "1.23457e+08");
  EXPECT_EQ(eval("(sqrt 16)"), "4.0");
  EXPECT_EQ(eval("(atan 1 1)"), "0.785398");
  EXPECT_EQ(eval("(atan 1)"), "0.785398");
  EXPECT_EQ(eval("(cos 0)"), "1.0");
  EXPECT_EQ(eval("pi"), "3.14159");
}

TEST_F(Builtins, Comparisons) {
  EXPECT_EQ(eval("(= 1 1.0)"), "T");
  EXPECT_EQ(eval("(= 1 1 2)"), "nil");
  EXPECT_EQ(eval("(/= 1 2)"), "T");
  EXPECT_EQ(eval("(< 1 2 3)"), "T");
  EXPECT_EQ(eval("(< 1 3 2)"), "nil");
  EXPECT_EQ(eval("(>= 3 3 1)"), "T");
  EXPECT_EQ(eval("(< \"abc\" \"abd\")"), "T");
  EXPECT_EQ(eval("(= \"a\" \"a\")"), "T");
  EXPECT_EQ(eval("(< 1 \"a\")"), "error: type d'argument incorrect: numberp: \"a\"");
  EXPECT_EQ(eval("(eq 'a 'a)"), "T");
  EXPECT_EQ(eval("(eq '(1) '(1))"), "nil");
  EXPECT_EQ(eval("(setq l '(1)) (eq l l)"), "T");
  EXPECT_EQ(eval("(equal '(1 (2 \"x\")) (list 1 (list 2 \"x\")))"), "T");
  EXPECT_EQ(eval("(equal 1.0 1.05)"), "nil");
  EXPECT_EQ(eval("(equal '(1.0 2.0) '(1.05 1.98) 0.1)"), "T");
  EXPECT_EQ(eval("(equal 1 1.0)"), "T");
}

TEST_F(Builtins, Predicates) {
  EXPECT_EQ(eval("(list (null nil) (not 1) (numberp 1.5) (numberp \"1\"))"), "(T nil T nil)");
  EXPECT_EQ(eval("(list (listp nil) (listp '(1)) (listp 1) (atom nil) (atom '(1)))"),
            "(T T nil T nil)");
  EXPECT_EQ(eval("(setq v 1) (list (boundp 'v) (boundp 'jamais) (zerop 0.0) (minusp -2))"),
            "(T nil T T)");
}

TEST_F(Builtins, ListFunctions) {
  EXPECT_EQ(eval("(cons 1 '(2))"), "(1 2)");
  EXPECT_EQ(eval("(cons 1 2)"), "(1 . 2)");
  EXPECT_EQ(eval("(car nil)"), "nil");
  EXPECT_EQ(eval("(cadr '(1 2 3))"), "2");
  EXPECT_EQ(eval("(caddr '(1 2 3))"), "3");
  EXPECT_EQ(eval("(cddr '(1 2 3))"), "(3)");
  EXPECT_EQ(eval("(caar '((1) 2))"), "1");
  EXPECT_EQ(eval("(cdar '((1 . 5) 2))"), "5");
  EXPECT_EQ(eval("(cadddr '(1 2 3 4))"), "4");
  EXPECT_EQ(eval("(nth 1 '(a b c))"), "B");
  EXPECT_EQ(eval("(nth 5 '(a b c))"), "nil");
  EXPECT_EQ(eval("(length '(1 2 3))"), "3");
  EXPECT_EQ(eval("(length '(1 . 2))"), "error: type d'argument incorrect: listp: (1 . 2)");
  EXPECT_EQ(eval("(append '(1) nil '(2 3))"), "(1 2 3)");
  EXPECT_EQ(eval("(reverse '(1 2 3))"), "(3 2 1)");
  EXPECT_EQ(eval("(assoc 8 '((0 . \"LINE\") (8 . \"0\")))"), "(8 . \"0\")");
  EXPECT_EQ(eval("(assoc \"b\" '((\"a\" 1) (\"b\" 2)))"), "(\"b\" 2)");
  EXPECT_EQ(eval("(member 'c '(a b c d))"), "(C D)");
  EXPECT_EQ(eval("(member 'z '(a b))"), "nil");
  EXPECT_EQ(eval("(subst 'qq 'b '(a b (c b) b))"), "(A QQ (C B) QQ)");
  EXPECT_EQ(eval("(subst '(8 . \"B\") '(8 . \"A\") '((0 . \"X\") (8 . \"A\")))"),
            "((0 . \"X\") (8 . \"B\"))");
  EXPECT_EQ(eval("(last '(1 2 3))"), "3");
  EXPECT_EQ(eval("(car 'a)"), "error: type d'argument incorrect: listp: A");
}

TEST_F(Builtins, TextFunctions) {
  EXPECT_EQ(eval("(strcat \"ab\" \"\" \"cd\")"), "\"abcd\"");
  EXPECT_EQ(eval("(strlen \"abc\" \"de\")"), "5");
  EXPECT_EQ(eval("(substr \"Bonjour\" 4)"), "\"jour\"");
  EXPECT_EQ(eval("(substr \"Bonjour\" 2 3)"), "\"onj\"");
  EXPECT_EQ(eval("(substr \"abc\" 9)"), "\"\"");
  EXPECT_EQ(eval("(substr \"abc\" 0)"), "error: valeur d'argument incorrecte: positif: 0");
  EXPECT_EQ(eval("(strcase \"Axe é\")"), "\"AXE É\"");
  EXPECT_EQ(eval("(strcase \"AXE É\" t)"), "\"axe é\"");
  EXPECT_EQ(eval("(itoa -42)"), "\"-42\"");
  EXPECT_EQ(eval("(atoi \" 12abc\")"), "12");
  EXPECT_EQ(eval("(atoi \"x\")"), "0");
  EXPECT_EQ(eval("(atof \"3.25m\")"), "3.25");
  EXPECT_EQ(eval("(atof \"1e2\")"), "100.0");
  EXPECT_EQ(eval("(atof \"abc\")"), "0.0");
  EXPECT_EQ(eval("(ascii \"A\")"), "65");
  EXPECT_EQ(eval("(chr 66)"), "\"B\"");
  EXPECT_EQ(eval("(read \"(a . 1)\")"), "(A . 1)");
  EXPECT_EQ(eval("(read \"\")"), "nil");
  EXPECT_EQ(eval("(strcat \"a\" 1)"), "error: type d'argument incorrect: stringp: 1");
}

TEST_F(Builtins, WcmatchUsesTheHostPatterns) {
  EXPECT_EQ(eval("(wcmatch \"TALUS_12\" \"TALUS_##\")"), "T");
  EXPECT_EQ(eval("(wcmatch \"AXE\" \"B*,A*\")"), "T");
  EXPECT_EQ(eval("(wcmatch \"axe\" \"A*\")"), "nil");  // case counts in LISP
}

TEST_F(Builtins, RtosFollowsModePrecisionAndTheDrawingsLuprec) {
  EXPECT_EQ(eval("(rtos 3.14159 2 2)"), "\"3.14\"");
  EXPECT_EQ(eval("(rtos 2 2 3)"), "\"2.000\"");
  EXPECT_EQ(eval("(rtos -0.0001 2 2)"), "\"0.00\"");
  EXPECT_EQ(eval("(rtos 1234.5 1 3)"), "\"1.234E+03\"");
  EXPECT_EQ(eval("(rtos 15.5 5 2)"), "\"15 1/2\"");
  EXPECT_EQ(eval("(rtos 15.5 4 2)"), "\"1'-3 1/2\\\"\"");
  EXPECT_EQ(eval("(rtos 15.5 3 2)"), "\"1'-3.50\\\"\"");
  // The default precision is LUPREC (4 in a new drawing), then what setvar gives.
  EXPECT_EQ(eval("(rtos 1.0)"), "\"1.0000\"");
  EXPECT_EQ(eval("(setvar \"LUPREC\" 1) (rtos 2.26)"), "\"2.3\"");
  eval("(setvar \"LUPREC\" 4)");
  // DIMZIN 8 drops trailing zeros; rounding may carry a whole foot.
  EXPECT_EQ(eval("(setvar \"DIMZIN\" 8) (list (rtos 2.5 2 3) (rtos 2.0 2 3))"), "(\"2.5\" \"2\")");
  eval("(setvar \"DIMZIN\" 0)");
  EXPECT_EQ(eval("(rtos 23.999 4 2)"), "\"2'-0\\\"\"");
  EXPECT_EQ(eval("(rtos -1.26 2 1)"), "\"-1.3\"");
}

TEST_F(Builtins, Angtos) {
  EXPECT_EQ(eval("(angtos (/ pi 4) 0 2)"), "\"45.00\"");
  EXPECT_EQ(eval("(angtos (- (/ pi 2)) 0 0)"), "\"270\"");
  EXPECT_EQ(eval("(angtos (/ pi 2) 3 3)"), "\"1.571r\"");
  EXPECT_EQ(eval("(angtos pi 2 1)"), "\"200.0g\"");
  EXPECT_EQ(eval("(angtos 0.5 1 4)"), "\"28d38'52\\\"\"");
}

}  // namespace
