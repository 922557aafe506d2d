#include "base/wcmatch.h"

#include <gtest/gtest.h>

using host::wcmatch;

TEST(Wcmatch, SingleCharacterClasses) {
  EXPECT_TRUE(wcmatch("A1", "@#"));
  EXPECT_FALSE(wcmatch("11", "@#"));
  EXPECT_TRUE(wcmatch("a-b", "@.@"));
  EXPECT_FALSE(wcmatch("aXb", "@.@"));  // "." is neither letter nor digit
  EXPECT_TRUE(wcmatch("abc", "a?c"));
  EXPECT_FALSE(wcmatch("ac", "a?c"));
}

TEST(Wcmatch, StarsMatchAnyRunIncludingNone) {
  EXPECT_TRUE(wcmatch("", "*"));
  EXPECT_TRUE(wcmatch("ROUTE_AXE", "*AXE"));
  EXPECT_TRUE(wcmatch("AXE", "*AXE*"));
  EXPECT_TRUE(wcmatch("abcabd", "*ab?"));  // the last star must give back characters
  EXPECT_FALSE(wcmatch("abcabe", "*abd"));
  EXPECT_TRUE(wcmatch("a.b.c", "a*c"));
  EXPECT_FALSE(wcmatch("", "?*"));
}

TEST(Wcmatch, BracketsRangesAndNegation) {
  EXPECT_TRUE(wcmatch("B7", "[ABC]#"));
  EXPECT_FALSE(wcmatch("D7", "[ABC]#"));
  EXPECT_TRUE(wcmatch("m", "[a-z]"));
  EXPECT_FALSE(wcmatch("M", "[a-z]"));
  EXPECT_TRUE(wcmatch("M", "[~a-z]"));
  EXPECT_TRUE(wcmatch("]", "[]]"));  // a "]" first in the class is a member
  EXPECT_TRUE(wcmatch("[x", "[x"));  // no closing bracket: an ordinary character
}

TEST(Wcmatch, CommasSeparateAlternativesAndTildeNegatesOne) {
  EXPECT_TRUE(wcmatch("CIRCLE", "LINE,CIRCLE"));
  EXPECT_FALSE(wcmatch("ARC", "LINE,CIRCLE"));
  EXPECT_TRUE(wcmatch("PLAN", "~0"));
  EXPECT_FALSE(wcmatch("0", "~0"));
  EXPECT_TRUE(wcmatch("0", "~0,0"));  // each alternative stands alone
  EXPECT_TRUE(wcmatch("", ","));      // an empty alternative matches the empty text
}

TEST(Wcmatch, BackquoteEscapesSpecials) {
  EXPECT_TRUE(wcmatch("#1", "`#1"));
  EXPECT_FALSE(wcmatch("21", "`#1"));
  EXPECT_TRUE(wcmatch("a,b", "a`,b"));
  EXPECT_TRUE(wcmatch("*", "`*"));
  EXPECT_FALSE(wcmatch("x", "`*"));
}

TEST(Wcmatch, CaseOnlyIgnoredWhenAsked) {
  EXPECT_FALSE(wcmatch("route", "ROUTE"));  // LISP's wcmatch
  EXPECT_TRUE(wcmatch("route", "ROUTE", true));
  EXPECT_TRUE(wcmatch("Talus", "[s-u]ALUS", true));
  EXPECT_TRUE(wcmatch("élément", "ÉLÉMENT", true));
}

TEST(Wcmatch, Utf8CharactersCountAsOne) {
  EXPECT_TRUE(wcmatch("é", "?"));
  EXPECT_TRUE(wcmatch("Axe_été", "Axe_?t?"));
  EXPECT_TRUE(wcmatch("ç", "@"));
  EXPECT_TRUE(wcmatch(std::string("\xff\xfe"), "??"));  // malformed bytes still match byte by byte
}
