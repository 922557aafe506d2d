// The evaluator: special forms, dynamic binding, functions as values.
#include "lisp_fixture.h"

namespace {

using Evaluator = LispTest;

TEST_F(Evaluator, SetqDefunAndCalls) {
  EXPECT_EQ(eval("(setq a 1 b (+ a 1))"), "2");
  EXPECT_EQ(eval("(defun carre (x) (* x x))"), "CARRE");
  EXPECT_EQ(eval("(carre b)"), "4");
  EXPECT_EQ(eval("(defun rien ())"), "RIEN");
  EXPECT_EQ(eval("(rien)"), "nil");
  EXPECT_EQ(eval("(type carre)"), "USUBR");
  EXPECT_EQ(eval("(type car)"), "SUBR");
  EXPECT_EQ(eval("(type 'a)"), "SYM");
  EXPECT_EQ(eval("(type (list 1))"), "LIST");
  EXPECT_EQ(eval("(type nil)"), "nil");
}

TEST_F(Evaluator, ParametersAndLocalsAreBoundDynamicallyAndRestored) {
  eval("(setq x 'global y 'global)");
  eval("(defun inner () (list x y))");
  eval("(defun outer (x / y) (setq y 'local) (inner))");
  // inner sees outer's bindings (dynamic scope), as the host does.
  EXPECT_EQ(eval("(outer 'param)"), "(PARAM LOCAL)");
  EXPECT_EQ(eval("(list x y)"), "(GLOBAL GLOBAL)");
  // Locals start as nil even when the symbol had a value.
  EXPECT_EQ(eval("(defun f (/ x) x) (f)"), "nil");
  // Restored after an error too.
  EXPECT_EQ(eval("(defun g (x) (car x)) (g 5)"), "error: type d'argument incorrect: listp: 5");
  EXPECT_EQ(eval("x"), "GLOBAL");
}

TEST_F(Evaluator, ConditionalsAndLoops) {
  EXPECT_EQ(eval("(if nil 1 2)"), "2");
  EXPECT_EQ(eval("(if nil 1)"), "nil");
  EXPECT_EQ(eval("(cond ((= 1 2) 'a) ((+ 1 2)) (t 'c))"), "3");
  EXPECT_EQ(eval("(cond (nil 1))"), "nil");
  EXPECT_EQ(eval("(setq i 0 s 0) (while (< i 5) (setq s (+ s i) i (1+ i))) s"), "10");
  EXPECT_EQ(eval("(setq n 0) (repeat 4 (setq n (+ n 2)))"), "8");
  EXPECT_EQ(eval("(setq e 'keep) (setq acc nil) (foreach e '(1 2 3) (setq acc (cons e acc))) (list "
                 "acc e)"),
            "((3 2 1) KEEP)");
  EXPECT_EQ(eval("(and 1 2 nil)"), "nil");
  EXPECT_EQ(eval("(and)"), "T");
  EXPECT_EQ(eval("(or nil 5)"), "T");
  EXPECT_EQ(eval("(progn 1 2 3)"), "3");
}

TEST_F(Evaluator, FunctionsAsValues) {
  EXPECT_EQ(eval("(mapcar '1+ '(1 2 3))"), "(2 3 4)");
  EXPECT_EQ(eval("(mapcar '(lambda (a b) (+ a b)) '(1 2 3) '(10 20))"), "(11 22)");
  EXPECT_EQ(eval("(mapcar (function (lambda (x) (* 2 x))) '(4))"), "(8)");
  EXPECT_EQ(eval("((lambda (x / y) (setq y x) (list x y)) 7)"), "(7 7)");
  EXPECT_EQ(eval("(apply '+ '(1 2 3))"), "6");
  EXPECT_EQ(eval("(apply 'max (list 4 9 2))"), "9");
  EXPECT_EQ(eval("(apply 'and '(1 nil))"), "nil");
  EXPECT_EQ(eval("(mapcar 'quote '(a b))"), "(A B)");
  EXPECT_EQ(eval("(eval '(+ 1 2))"), "3");
  EXPECT_EQ(eval("(set 'z 4) z"), "4");
  EXPECT_EQ(eval("(setq f 'car) (f '(9 8))"), "9");
}

TEST_F(Evaluator, AFunctionMayRedefineItselfWhileRunning) {
  EXPECT_EQ(eval("(defun once () (defun once () 'second) (list 'first 'done)) (once)"),
            "(FIRST DONE)");
  EXPECT_EQ(eval("(once)"), "SECOND");
}

TEST_F(Evaluator, ProtectedSymbolsAndBadForms) {
  EXPECT_EQ(eval("(setq t 1)"), "error: symbole protégé: T");
  EXPECT_EQ(eval("(setq 1 2)"), "error: type d'argument incorrect: symbolp: 1");
  EXPECT_EQ(eval("(setq a)"), "error: nombre d'arguments insuffisant");
  EXPECT_EQ(eval("(if)"), "error: nombre d'arguments insuffisant");
  EXPECT_EQ(eval("(if 1 2 3 4)"), "error: trop d'arguments");
  EXPECT_EQ(eval("(inconnue 1)"), "error: fonction non définie: INCONNUE");
  EXPECT_EQ(eval("(1 2)"), "error: fonction incorrecte: 1");
  EXPECT_EQ(eval("(defun f (a b) a) (f 1)"), "error: nombre d'arguments insuffisant");
  EXPECT_EQ(eval("(f 1 2 3)"), "error: trop d'arguments");
  EXPECT_EQ(eval("(car 1 2)"), "error: trop d'arguments");
  EXPECT_EQ(eval("(repeat 1.5 1)"), "error: type d'argument incorrect: fixnump: 1.5");
}

TEST_F(Evaluator, LongListsAreBuiltAndFreedWithoutRecursion) {
  EXPECT_EQ(eval("(setq l nil) (repeat 300000 (setq l (cons 1 l))) (length l)"), "300000");
  EXPECT_EQ(eval("(length (append l l))"), "600000");
  EXPECT_EQ(eval("(length (reverse l))"), "300000");
  EXPECT_EQ(eval("(setq l nil n nil) (repeat 300000 (setq n (list n))) (setq n nil)"), "nil");
}

}  // namespace
