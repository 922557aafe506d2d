// The reader: data syntax, comments, and bad input reported with its line.
#include <gtest/gtest.h>

#include <string>

#include "lisp/error.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "lisp/source_pos.h"
#include "lisp/symbols.h"

namespace {

// Every expression of `text`, printed with prin1 and separated by "|".
std::string readAll(std::string_view text) {
  lisp::SymbolTable symbols;
  lisp::Reader reader(symbols, text, 1);
  std::string all;
  lisp::Value v;
  while (reader.next(v)) {
    if (!all.empty()) all += "|";
    all += lisp::toText(v, true);
  }
  return all;
}

// The error for `text`: "cause @ line".
std::string readError(std::string_view text) {
  try {
    readAll(text);
  } catch (const lisp::LispError& e) {
    return e.message + " @ " + std::to_string(lisp::posLine(e.pos));
  }
  return "no error";
}

TEST(Reader, NumbersIntegersRealsAndSymbolsThatLookLikeThem) {
  EXPECT_EQ(readAll("12 -7 +3 2147483647 -2147483648"), "12|-7|3|2147483647|-2147483648");
  // Beyond 32 bits an integer is read as a real.
  EXPECT_EQ(readAll("2147483648"), "2.14748e+09");
  EXPECT_EQ(readAll("1.5 .5 -.25 5. 1e3 2.5E-2"), "1.5|0.5|-0.25|5.0|1000.0|0.025");
  EXPECT_EQ(readAll("1+ 1- - + 1e 1.2.3"), "1+|1-|-|+|1E|1.2.3");
  EXPECT_EQ(readAll("1e999 -1e999 1e-999"), "1.#INF|-1.#INF|0.0");
}

TEST(Reader, SymbolsAreUpperCaseAndNilIsTheEmptyList) {
  EXPECT_EQ(readAll("foo Bar c:Mon-Axe nil NIL ()"), "FOO|BAR|C:MON-AXE|nil|nil|nil");
  lisp::SymbolTable symbols;
  lisp::Reader reader(symbols, "abc ABC aBc", 1);
  lisp::Value a, b, c;
  ASSERT_TRUE(reader.next(a) && reader.next(b) && reader.next(c));
  EXPECT_EQ(a.asSymbol(), b.asSymbol());
  EXPECT_EQ(a.asSymbol(), c.asSymbol());
}

TEST(Reader, StringsWithEscapes) {
  lisp::SymbolTable symbols;
  lisp::Reader reader(symbols, R"("a\"b\\c\nd\te\101" "é")", 1);
  lisp::Value s, accented;
  ASSERT_TRUE(reader.next(s));
  ASSERT_TRUE(reader.next(accented));
  EXPECT_EQ(s.stringPtr()->text, "a\"b\\c\nd\teA");
  EXPECT_EQ(accented.stringPtr()->text, "é");
  // prin1 writes the escapes back.
  EXPECT_EQ(lisp::toText(s, true), R"("a\"b\\c\nd\teA")");
}

TEST(Reader, ListsDottedPairsAndQuotes) {
  EXPECT_EQ(readAll("(1 (2 3) \"x\")"), "(1 (2 3) \"x\")");
  EXPECT_EQ(readAll("(8 . \"CALQUE\") (1 2 . 3) (a . (b c)) (a . nil)"),
            "(8 . \"CALQUE\")|(1 2 . 3)|(A B C)|(A)");
  EXPECT_EQ(readAll("'a '(1 'b)"), "(QUOTE A)|(QUOTE (1 (QUOTE B)))");
}

TEST(Reader, CommentsOfBothKinds) {
  EXPECT_EQ(readAll("1 ; comment (\n2 ;| block\n ) spanning |; 3\n;| last |;"), "1|2|3");
}

TEST(Reader, ErrorsNameTheLine) {
  EXPECT_EQ(readError("(defun f ()\n  (princ \"x\")\n"), "parenthèse fermante manquante @ 1");
  EXPECT_EQ(readError("(a)\n\n(b))"), "parenthèse fermante en trop @ 3");
  EXPECT_EQ(readError("(a)\n\"open\nstring"), "chaîne non terminée @ 2");
  EXPECT_EQ(readError("\n(. 1)"), "paire pointée incorrecte @ 2");
  EXPECT_EQ(readError("(1 . 2 3)"), "paire pointée incorrecte @ 1");
  EXPECT_EQ(readError("(1 . )"), "paire pointée incorrecte @ 1");
  EXPECT_EQ(readError("\n\n;| never closed"), "commentaire ;| non terminé @ 3");
  EXPECT_EQ(readError("(a ')"), "expression attendue après ' @ 1");
}

TEST(Reader, DeepNestingNeitherOverflowsTheReaderNorThePrinter) {
  const int depth = 200000;
  const std::string text = std::string(depth, '(') + std::string(depth, ')');
  lisp::SymbolTable symbols;
  lisp::Reader reader(symbols, text, 1);
  lisp::Value v;
  ASSERT_TRUE(reader.next(v));
  int levels = 0;
  for (const lisp::Value* at = &v; at->consPtr(); at = &at->consPtr()->car) ++levels;
  EXPECT_EQ(levels, depth - 1);  // the innermost () is nil
  // Printing that deep is refused with the stack-limit error, not a crash.
  EXPECT_THROW(lisp::toText(v, true), lisp::LispError);
  // Freeing it is iterative too (the test would crash here otherwise).
  v = lisp::Value();
}

TEST(Reader, BinaryGarbageIsReadOrRefusedNeverCrashes) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  const std::string text = bytes + "(\"\\" + bytes;
  EXPECT_NE(readError(text), "no error");
  EXPECT_EQ(readAll(std::string("a\0b", 3)), "A|B");  // NUL separates like a blank
}

}  // namespace
