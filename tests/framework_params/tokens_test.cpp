// The token reader that every parameter file goes through.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "framework/tokens.h"

namespace {

using framework::JETON;

std::vector<JETON> tousLesJetons(const std::string& texte, std::string_view commentaires,
                                 std::string_view delimiteurs) {
  std::istringstream flux(texte);
  std::vector<JETON> jetons;
  for (;;) {
    jetons.push_back(framework::lireJeton(flux, commentaires, delimiteurs));
    if (jetons.back().type == framework::kJetonFin || jetons.size() > 50) return jetons;
  }
}

TEST(Jetons, KindsCommentsAndDelimiters) {
  const auto j =
      tousLesJetons("  mot \"une \\\"chaine\\\" ici\" 12.5e1 -3 -a #note ; x\n;suite", "#", ";");
  ASSERT_EQ(j.size(), 8u);
  const std::vector<std::pair<int, std::string>> attendus = {
      {framework::kJetonMot, "mot"},       {framework::kJetonChaine, "une \"chaine\" ici"},
      {framework::kJetonNombre, "12.5e1"}, {framework::kJetonNombre, "-3"},
      {framework::kJetonMot, "-a"},        {framework::kJetonDelimiteur, ";"},
      {framework::kJetonMot, "suite"},     {framework::kJetonFin, ""}};
  for (size_t i = 0; i < attendus.size(); ++i) {
    EXPECT_EQ(j[i].type, attendus[i].first) << i;
    EXPECT_EQ(j[i].texte, attendus[i].second) << i;
  }
  EXPECT_DOUBLE_EQ(j[2].valeur, 125.0);
  EXPECT_DOUBLE_EQ(j[3].valeur, -3.0);
  EXPECT_EQ(j[0].valeur, 0.0) << "a word reads as 0";
}

TEST(Jetons, WordsStopBeforeDelimitersAndBlanksWhichStayInTheStream) {
  std::istringstream flux("abc;def\tghi");
  EXPECT_EQ(framework::lireJeton(flux, "", ";").texte, "abc");
  EXPECT_EQ(flux.peek(), ';');
  EXPECT_EQ(framework::lireJeton(flux, "", ";").type, framework::kJetonDelimiteur);
  EXPECT_EQ(framework::lireJeton(flux, "", ";").texte, "def");
  EXPECT_EQ(flux.peek(), '\t') << "a counted list relies on its separator being left";
}

TEST(Jetons, BackslashKeepsItselfExceptBeforeAQuote) {
  const auto j = tousLesJetons("\"C:\\dir\\x\" C:\\mot\\\"q \"fin\\", "", "");
  ASSERT_EQ(j.size(), 4u);
  EXPECT_EQ(j[0].texte, "C:\\dir\\x");
  EXPECT_EQ(j[1].texte, "C:\\mot\"q");
  EXPECT_EQ(j[2].texte, "fin\\");
  EXPECT_FALSE(j[2].termine) << "a quoted string cut by the end of input";
  EXPECT_TRUE(j[0].termine);
}

TEST(Jetons, CommentRunsToLineFeedOrCarriageReturn) {
  EXPECT_EQ(tousLesJetons("# un\rdeux", "#", "")[0].texte, "deux");
  EXPECT_EQ(tousLesJetons("# un\ndeux", "#", "")[0].texte, "deux");
  EXPECT_EQ(tousLesJetons("# seul", "#", "")[0].type, framework::kJetonFin);
}

}  // namespace
