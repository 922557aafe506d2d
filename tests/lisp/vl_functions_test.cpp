// The vl- family and the other standard functions programs written for the
// host rely on: texts, lists and sorting, caught errors, symbols, units.
#include "lisp_fixture.h"

namespace {

using VlFunctions = LispTest;

TEST_F(VlFunctions, StringSearchesCountFromZeroAndHonourTheirStart) {
  EXPECT_EQ(eval("(vl-string-search \"foo\" \"pfooyey on you\")"), "1");
  EXPECT_EQ(eval("(vl-string-search \"who\" \"pfooyey on you\")"), "nil");
  EXPECT_EQ(eval("(vl-string-search \"foo\" \"fooey-more-fooey\" 1)"), "11");
  EXPECT_EQ(eval("(vl-string-search \"x\" \"abc\" 10)"), "nil");
  EXPECT_EQ(eval("(vl-string-position (ascii \"z\") \"azbzlmnqc\")"), "1");
  EXPECT_EQ(eval("(vl-string-position (ascii \"z\") \"azbzlmnqc\" nil T)"), "3");
  EXPECT_EQ(eval("(vl-string-position (ascii \"z\") \"azbzlmnqc\" 2)"), "3");
  EXPECT_EQ(eval("(vl-string-subst \"Obi-wan\" \"Ben\" \"Ben Kenobi Ben\")"),
            "\"Obi-wan Kenobi Ben\"");
  EXPECT_EQ(eval("(vl-string-subst \"x\" \"Ben\" \"Ben Ben\" 1)"), "\"Ben x\"");
  EXPECT_EQ(eval("(vl-string-translate \"abcABC\" \"123123\" \"A is for Apple\")"),
            "\"1 is for 1pple\"");
  EXPECT_EQ(eval("(vl-string-trim \" \\t\\n\" \" \\t\\n Talvex \\n\")"), "\"Talvex\"");
  EXPECT_EQ(eval("(vl-string-left-trim \"0\" \"007\")"), "\"7\"");
  EXPECT_EQ(eval("(vl-string-right-trim \"0\" \"7.500\")"), "\"7.5\"");
  EXPECT_EQ(eval("(vl-string->list \"AZ\")"), "(65 90)");
  EXPECT_EQ(eval("(vl-list->string '(84 97 108))"), "\"Tal\"");
  EXPECT_EQ(eval("(vl-list->string '(84 \"a\"))"),
            "error: type d'argument incorrect: fixnump: \"a\"");
  EXPECT_EQ(eval("(vl-string-elt \"May the Force be with you\" 8)"), "70");
  EXPECT_EQ(eval("(vl-string-elt \"abc\" 3)"),
            "error: valeur d'argument incorrecte: position hors du texte: 3");
  EXPECT_EQ(eval("(vl-string-mismatch \"VL-FUN\" \"VL-VAR\")"), "3");
  EXPECT_EQ(eval("(vl-string-mismatch \"vl-fun\" \"avl-var\" 0 1)"), "3");
  EXPECT_EQ(eval("(vl-string-mismatch \"VL-FUN\" \"Vl-vAR\")"), "1");
  EXPECT_EQ(eval("(vl-string-mismatch \"VL-FUN\" \"Vl-vAR\" 0 0 T)"), "3");
  EXPECT_EQ(eval("(vl-prin1-to-string \"a\\\"b\")"), "\"\\\"a\\\\\\\"b\\\"\"");
  EXPECT_EQ(eval("(vl-princ-to-string '(1 \"a\" 2.5))"), "\"(1 a 2.5)\"");
  EXPECT_EQ(eval("(vl-string-search 1 \"a\")"), "error: type d'argument incorrect: stringp: 1");
  EXPECT_EQ(eval("(snvalid \"Calque 1\")"), "T");
  EXPECT_EQ(eval("(list (snvalid \"\") (snvalid \"a*b\") (snvalid \"a,b\") (snvalid \"a|b\"))"),
            "(nil nil nil nil)");
  EXPECT_EQ(eval("(snvalid \"XREF|Calque\" 1)"), "T");
}

TEST_F(VlFunctions, SortingDropsIdenticalAtomsAndKeepsEqualTextsLastFirst) {
  EXPECT_EQ(eval("(vl-sort '(3 2 1 3) '<)"), "(1 2 3)");
  EXPECT_EQ(eval("(vl-sort '(a d c b a) '(lambda (s1 s2) (< (vl-symbol-name s1) "
                 "(vl-symbol-name s2))))"),
            "(A B C D)");
  EXPECT_EQ(eval("(vl-sort '(\"b\" \"a\" \"b\") '<)"), "(\"a\" \"b\" \"b\")");
  EXPECT_EQ(eval("(vl-sort '((1 3) (2 2) (3 1)) (function (lambda (e1 e2) (< (cadr e1) (cadr "
                 "e2)))))"),
            "((3 1) (2 2) (1 3))");
  EXPECT_EQ(eval("(vl-sort-i '(3 2 1 3) '<)"), "(2 1 3 0)");
  EXPECT_EQ(eval("(vl-sort-i '(\"a\" \"d\" \"f\" \"c\") '>)"), "(2 1 3 0)");
  EXPECT_EQ(eval("(vl-sort nil '<)"), "nil");
  // A comparison that fails stops the sort with its own error.
  EXPECT_EQ(eval("(vl-sort '(1 \"a\") '<)"), "error: type d'argument incorrect: numberp: \"a\"");
  EXPECT_EQ(eval("(acad_strlsort '(\"Talus\" \"axe\" \"Axe\" \"axe\"))"),
            "(\"Axe\" \"Talus\" \"axe\" \"axe\")");
  EXPECT_EQ(eval("(acad_strlsort '(\"a\" 1))"), "nil");
}

TEST_F(VlFunctions, ListFunctionsFollowTheirPredicates) {
  EXPECT_EQ(eval("(vl-position 'c '(a b c d))"), "2");
  EXPECT_EQ(eval("(vl-position \"b\" '(\"a\" \"b\"))"), "1");
  EXPECT_EQ(eval("(vl-position 'z '(a b))"), "nil");
  EXPECT_EQ(eval("(vl-remove 2 '(1 2 3 2))"), "(1 3)");
  EXPECT_EQ(eval("(vl-remove-if 'minusp '(1 -2 3 -4))"), "(1 3)");
  EXPECT_EQ(eval("(vl-remove-if-not 'minusp '(1 -2 3 -4))"), "(-2 -4)");
  EXPECT_EQ(eval("(vl-member-if 'minusp '(1 -2 3))"), "(-2 3)");
  EXPECT_EQ(eval("(vl-member-if-not 'numberp '(1 a 3))"), "(A 3)");
  EXPECT_EQ(eval("(vl-some '(lambda (x y) (if (> x y) (list x y))) '(1 5 7) '(2 3 9))"), "(5 3)");
  EXPECT_EQ(eval("(vl-some '= '(1 2) '(3 4))"), "nil");
  EXPECT_EQ(eval("(vl-every '< '(1 2 3) '(2 3))"), "T");  // up to the shortest list
  EXPECT_EQ(eval("(vl-every 'numberp '(1 a))"), "nil");
  EXPECT_EQ(eval("(list (vl-consp nil) (vl-consp '(1)) (vl-consp 1))"), "(nil T nil)");
  EXPECT_EQ(eval("(vl-list* 1 2 '(3 4))"), "(1 2 3 4)");
  EXPECT_EQ(eval("(vl-list* 1 2)"), "(1 . 2)");
  EXPECT_EQ(eval("(vl-list* 1)"), "1");
  EXPECT_EQ(eval("(list (vl-list-length '(1 2)) (vl-list-length '(1 . 2)) (vl-list-length nil))"),
            "(2 nil 0)");
  EXPECT_EQ(eval("(vl-list-length 5)"), "error: type d'argument incorrect: listp: 5");
  EXPECT_EQ(eval("(vl-remove-if 'car '(1))"), "error: type d'argument incorrect: listp: 1");
  EXPECT_EQ(eval("(list (boole 1 12 5) (boole 6 6 5) (boole 7 12 3) (boole 4 3 14))"),
            "(4 3 15 12)");
  EXPECT_EQ(eval("(boole 8 0 0)"), "-1");
}

TEST_F(VlFunctions, CatchAllApplyTrapsErrorsBeforeTheErrorHandler) {
  eval("(setq vu nil) (defun *error* (m) (setq vu m))");
  EXPECT_EQ(eval("(vl-catch-all-apply '/ '(50 5))"), "10");
  EXPECT_EQ(eval("(setq e (vl-catch-all-apply '/ '(50 0)))"), "#<%catch-all-apply-error%>");
  EXPECT_EQ(eval("(list (type e) (vl-catch-all-error-p e) (vl-catch-all-error-p 3))"),
            "(VL-CATCH-ALL-APPLY-ERROR T nil)");
  EXPECT_EQ(eval("(vl-catch-all-error-message e)"), "\"division par zéro\"");
  // Inside a user function the error still goes back to the catcher, not to *error*.
  eval("(defun divise (a / b) (setq b 0) (/ a b))");
  EXPECT_EQ(eval("(vl-catch-all-error-message (vl-catch-all-apply 'divise '(1)))"),
            "\"division par zéro\"");
  EXPECT_EQ(eval("(vl-catch-all-error-message (vl-catch-all-apply '(lambda () (exit)) nil))"),
            "\"quitter / sortir abandon\"");
  EXPECT_EQ(eval("vu"), "nil");
  EXPECT_EQ(eval("(vl-catch-all-error-message 5)"),
            "error: type d'argument incorrect: vl-catch-all-apply-error: 5");
  EXPECT_EQ(eval("(vl-catch-all-apply '/ 5)"), "error: type d'argument incorrect: listp: 5");
  EXPECT_EQ(eval("(vl-catch-all-error-message (vl-catch-all-apply 'vl-exit-with-error '(\"fin "
                 "du calcul\")))"),
            "\"fin du calcul\"");
  EXPECT_EQ(eval("(vl-exit-with-value 42)"), "42");
  // An uncaught error still reaches *error* afterwards.
  EXPECT_FALSE(run("(/ 1 0)"));
  EXPECT_EQ(eval("vu"), "\"division par zéro\"");
}

TEST_F(VlFunctions, SymbolsAndFunctionsKeptAsLists) {
  EXPECT_EQ(eval("(list (vl-symbolp 'a) (vl-symbolp nil) (vl-symbolp \"a\"))"), "(T nil nil)");
  EXPECT_EQ(eval("(vl-symbol-name 'calque)"), "\"CALQUE\"");
  EXPECT_EQ(eval("(setq z 12) (vl-symbol-value 'z)"), "12");
  EXPECT_EQ(eval("(vl-symbol-name \"a\")"), "error: type d'argument incorrect: symbolp: \"a\"");
  EXPECT_EQ(eval("(atoms-family 1 '(\"CAR\" \"PAS-DEFINI-ICI\"))"), "(\"CAR\" nil)");
  EXPECT_EQ(eval("(atoms-family 0 '(\"car\"))"), "(CAR)");
  EXPECT_EQ(eval("(and (member \"VL-SORT\" (atoms-family 1)) T)"), "T");
  EXPECT_EQ(eval("(defun-q double (a / b) (setq b (* a 2)) b)"), "DOUBLE");
  EXPECT_EQ(eval("(double 21)"), "42");
  EXPECT_EQ(eval("double"), "((A / B) (SETQ B (* A 2)) B)");
  EXPECT_EQ(eval("(defun-q-list-set 'double (append (defun-q-list-ref 'double) '((1+ b)))) "
                 "(double 1)"),
            "3");
  EXPECT_EQ(eval("(mapcar 'double '(1 2))"), "(3 5)");
}

TEST_F(VlFunctions, DistancesAnglesAndUnitsReadFromTexts) {
  EXPECT_EQ(eval("(distof \"12.5\")"), "12.5");
  EXPECT_EQ(eval("(distof \"1.25E+01\" 1)"), "12.5");
  EXPECT_EQ(eval("(distof \"1'-3\\\"\" 3)"), "15.0");
  EXPECT_EQ(eval("(distof \"1'-3 1/2\\\"\" 4)"), "15.5");
  EXPECT_EQ(eval("(distof \"15 1/2\" 5)"), "15.5");
  EXPECT_EQ(eval("(distof \"-2'\" 4)"), "-24.0");
  EXPECT_EQ(eval("(list (distof \"abc\") (distof \"1/0\" 5) (distof \"\"))"), "(nil nil nil)");
  EXPECT_EQ(eval("(distof \"1\" 7)"), "error: valeur d'argument incorrecte: mode: 7");
  EXPECT_EQ(eval("(angtof \"45\")"), "0.785398");
  EXPECT_EQ(eval("(angtof \"45d30'\" 1)"), "0.794125");
  EXPECT_EQ(eval("(angtof \"50g\" 2)"), "0.785398");
  EXPECT_EQ(eval("(angtof \"1.5r\" 3)"), "1.5");
  EXPECT_EQ(eval("(angtof \"N 45d0' E\" 4)"), "0.785398");
  EXPECT_EQ(eval("(angtof \"S 45d W\" 4)"), "3.92699");
  EXPECT_EQ(eval("(angtof \"-90\")"), "4.71239");
  EXPECT_EQ(eval("(angtof \"nord\")"), "nil");
  EXPECT_EQ(eval("(rtos (angtof (angtos 1.2345 1 4) 1) 2 4)"), "\"1.2345\"");
  EXPECT_EQ(eval("(cvunit 1 \"inch\" \"cm\")"), "2.54");
  EXPECT_EQ(eval("(cvunit 1 \"km\" \"meters\")"), "1000.0");
  EXPECT_EQ(eval("(cvunit 180 \"degree\" \"radian\")"), "3.14159");
  EXPECT_EQ(eval("(cvunit 1 \"hectare\" \"sq m\")"), "10000.0");
  EXPECT_EQ(eval("(cvunit '(1 2) \"m\" \"mm\")"), "(1000.0 2000.0)");
  EXPECT_EQ(eval("(list (cvunit 1 \"m\" \"degree\") (cvunit 1 \"furlong\" \"m\"))"), "(nil nil)");
}

}  // namespace
