// The get functions answered from the scripted user's queue.
#include <cstdlib>
#include <cstring>

#include "../select/drawing_fixture.h"
#include "base/keywords.h"
#include "run_cadhost.h"

using testing_support::DrawingTest;

class InputTest : public DrawingTest {};

TEST(KeywordList, CapitalsAbbreviationsAndGlobalSpellings) {
  host::KeywordList k("LType eXit Oui,O");
  EXPECT_EQ(k.match("lt"), "LType");
  EXPECT_EQ(k.match("LTYP"), "LType");
  EXPECT_FALSE(k.match("L"));
  EXPECT_EQ(k.match("x"), "eXit");
  EXPECT_EQ(k.match("exit"), "eXit");
  EXPECT_FALSE(k.match("e"));
  EXPECT_EQ(k.match("o"), "Oui");
  EXPECT_FALSE(k.match("ouix"));

  host::KeywordList translated("Oui Non _Yes No");
  EXPECT_EQ(translated.match("n"), "No");      // local typed: global given back
  EXPECT_EQ(translated.match("_yes"), "Yes");  // global typed
  EXPECT_FALSE(translated.match("_oui"));
  EXPECT_FALSE(translated.match("Y"));  // "Y" is no local keyword
  EXPECT_FALSE(host::KeywordList("").match(""));
}

TEST_F(InputTest, GetPointFromPointsTextsAndRelativeTexts) {
  ads_point r;
  answerPoint(1, 2, 3);
  ASSERT_EQ(acedGetPoint(nullptr, "Point: ", r), RTNORM);
  EXPECT_DOUBLE_EQ(r[2], 3);
  answerText("4,5");
  ASSERT_EQ(acedGetPoint(nullptr, "Point: ", r), RTNORM);
  EXPECT_DOUBLE_EQ(r[1], 5);
  EXPECT_DOUBLE_EQ(r[2], 0);
  const ads_point base = {10, 10, 1};
  answerText("@1,-1");
  ASSERT_EQ(acedGetPoint(base, "Point: ", r), RTNORM);
  EXPECT_DOUBLE_EQ(r[0], 11);
  EXPECT_DOUBLE_EQ(r[1], 9);
  EXPECT_DOUBLE_EQ(r[2], 1);
  EXPECT_DOUBLE_EQ(doc().vars().find("LASTPOINT")->p[0], 11);
  EXPECT_NE(output.find("Point: 4,5"), std::string::npos);  // prompt and answer shown
}

TEST_F(InputTest, WrongAnswersAreAskedAgain) {
  ads_point r;
  answerText("pas un point");
  answerNumber(3);
  answerPoint(7, 7);
  ASSERT_EQ(acedGetPoint(nullptr, "Point: ", r), RTNORM);
  EXPECT_DOUBLE_EQ(r[0], 7);
  EXPECT_EQ(host::session().user().pending(), 0u);
  EXPECT_NE(output.find("Point ou option non valide."), std::string::npos);
}

TEST_F(InputTest, EnterEscapeAndTheEmptyQueue) {
  ads_point r;
  answer(host::Answer::Enter);
  EXPECT_EQ(acedGetPoint(nullptr, "Point: ", r), RTNONE);
  answer(host::Answer::Cancel);
  EXPECT_EQ(acedGetPoint(nullptr, "Point: ", r), RTCAN);
  output.clear();
  double d;
  EXPECT_EQ(acedGetReal("Réel: ", &d), RTCAN);  // nothing queued
  EXPECT_NE(output.find("aucune réponse en attente"), std::string::npos);
  // Bit 1: Enter is refused and the question asked again.
  acedInitGet(1, nullptr);
  answer(host::Answer::Enter);
  answerNumber(2.5);
  ASSERT_EQ(acedGetReal("Réel: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 2.5);
}

TEST_F(InputTest, InitGetKeywordsAndBitsApplyToTheNextCallOnly) {
  double d;
  acedInitGet(2 + 4, "Auto Manuel _Auto Manual");
  answerNumber(0);
  answerNumber(-1);
  answerText("m");
  EXPECT_EQ(acedGetReal("Valeur: ", &d), RTKWORD);
  char kw[32];
  ASSERT_EQ(acedGetInput(kw, sizeof kw), RTNORM);
  EXPECT_STREQ(kw, "Manual");
  EXPECT_NE(output.find("Nécessite une valeur non nulle."), std::string::npos);
  EXPECT_NE(output.find("Nécessite une valeur positive."), std::string::npos);
  // Used up: zero and keywords are ordinary answers now.
  answerNumber(0);
  ASSERT_EQ(acedGetReal("Valeur: ", &d), RTNORM);
  answerText("m");
  answerText("-1.5");
  ASSERT_EQ(acedGetReal("Valeur: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, -1.5);
  // Bit 128: any text comes back as a keyword.
  acedInitGet(128, nullptr);
  answerText("n'importe quoi");
  ads_point p;
  EXPECT_EQ(acedGetPoint(nullptr, "Point: ", p), RTKWORD);
  ASSERT_EQ(acedGetInput(kw, sizeof kw), RTNORM);
  EXPECT_STREQ(kw, "n'importe quoi");
}

TEST_F(InputTest, GetIntChecksTheRange) {
  int v = 0;
  answerNumber(40000);
  answerNumber(2.5);
  answerText("12");
  ASSERT_EQ(acedGetInt("Entier: ", &v), RTNORM);
  EXPECT_EQ(v, 12);
  EXPECT_NE(output.find("-32768 et 32767"), std::string::npos);
}

TEST_F(InputTest, GetDistFromNumbersOrPoints) {
  double d;
  const ads_point base = {0, 0, 0};
  answerPoint(3, 4, 12);
  ASSERT_EQ(acedGetDist(base, "Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 13);
  acedInitGet(64, nullptr);  // in plan
  answerPoint(3, 4, 12);
  ASSERT_EQ(acedGetDist(base, "Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 5);
  // Without a base point the first point asks for a second one.
  answerPoint(1, 1);
  answerText("@0,2");
  ASSERT_EQ(acedGetDist(nullptr, "Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 2);
  answerText("7.25");
  ASSERT_EQ(acedGetDist(nullptr, "Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 7.25);
}

TEST_F(InputTest, GetCornerNeedsItsBasePoint) {
  ads_point r;
  answerPoint(5, 5);
  EXPECT_EQ(acedGetCorner(nullptr, "Coin: ", r), RTERROR);
  const ads_point base = {0, 0, 0};
  ASSERT_EQ(acedGetCorner(base, "Coin: ", r), RTNORM);
  EXPECT_DOUBLE_EQ(r[0], 5);
}

TEST_F(InputTest, GetStringAndGetKword) {
  char buf[16];
  answerText("deux mots");
  ASSERT_EQ(acedGetString(0, "Texte: ", buf, sizeof buf), RTNORM);
  EXPECT_STREQ(buf, "deux");  // a space ends the input without cronly
  answerText("deux mots");
  ASSERT_EQ(acedGetString(1, "Texte: ", buf, sizeof buf), RTNORM);
  EXPECT_STREQ(buf, "deux mots");
  answer(host::Answer::Enter);
  ASSERT_EQ(acedGetString(1, "Texte: ", buf, sizeof buf), RTNORM);
  EXPECT_STREQ(buf, "");
  answerText("bien trop long pour ce tampon");
  EXPECT_EQ(acedGetString(1, "Texte: ", buf, sizeof buf), RTERROR);

  acedInitGet(0, "Gauche Droite");
  answerText("haut");
  answerText("d");
  ASSERT_EQ(acedGetKword("Côté [Gauche/Droite]: ", buf, sizeof buf), RTNORM);
  EXPECT_STREQ(buf, "Droite");
  EXPECT_NE(output.find("Mot clé non valide."), std::string::npos);
  acedInitGet(0, "Gauche Droite");
  answer(host::Answer::Enter);
  EXPECT_EQ(acedGetKword("Côté: ", buf, sizeof buf), RTNONE);
}

TEST_F(InputTest, EntSelByEntityOrPoint) {
  auto l = line(0, 0, 100, 0);
  ads_name e;
  ads_point p;
  answerEntity(l, 40, 0);
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(e[0], l[0]);
  EXPECT_DOUBLE_EQ(p[0], 40);
  answerPoint(60, 0.3);  // within the pick box
  ASSERT_EQ(acedEntSel("Objet: ", e, p), RTNORM);
  EXPECT_EQ(e[0], l[0]);
  answerPoint(60, 50);
  EXPECT_EQ(acedEntSel("Objet: ", e, p), RTERROR);
  EXPECT_EQ(errnoValue(), 7);
  answer(host::Answer::Enter);
  EXPECT_EQ(acedEntSel("Objet: ", e, p), RTERROR);
  EXPECT_EQ(errnoValue(), 52);
  ASSERT_EQ(acdbEntDel(l.data()), RTNORM);
  answerEntity(l);
  EXPECT_EQ(acedEntSel("Objet: ", e, p), RTERROR);
  acedInitGet(0, "Fin");
  answerText("f");
  EXPECT_EQ(acedEntSel("Objet ou [Fin]: ", e, p), RTKWORD);
}

TEST_F(InputTest, GetFileDialog) {
  ScratchDir dir;
  dir.write("projet.txt", "x");
  resbuf r{};
  // Opening: the extension is added and the file must exist.
  answerText(dir.file("absent"));
  answerText(dir.file("projet"));
  ASSERT_EQ(acedGetFileD("Ouvrir", nullptr, "txt", 0, &r), RTNORM);
  ASSERT_EQ(r.restype, RTSTR);
  EXPECT_EQ(std::string(r.resval.rstring), dir.file("projet.txt"));
  std::free(r.resval.rstring);
  EXPECT_NE(output.find("Fichier introuvable"), std::string::npos);
  // Saving (bit 1): a new name is fine.
  answerText(dir.file("nouveau"));
  ASSERT_EQ(acedGetFileD("Enregistrer", nullptr, "dxf", 1, &r), RTNORM);
  EXPECT_EQ(std::string(r.resval.rstring), dir.file("nouveau.dxf"));
  std::free(r.resval.rstring);
  // Enter takes the default name.
  answer(host::Answer::Enter);
  ASSERT_EQ(acedGetFileD("Ouvrir", dir.file("projet.txt").c_str(), "txt", 0, &r), RTNORM);
  EXPECT_EQ(std::string(r.resval.rstring), dir.file("projet.txt"));
  std::free(r.resval.rstring);
  answer(host::Answer::Cancel);
  EXPECT_EQ(acedGetFileD("Ouvrir", nullptr, "txt", 0, &r), RTCAN);
  EXPECT_EQ(r.restype, RTNONE);
}

TEST_F(InputTest, UserBreakIsTakenOnlyWhenNext) {
  EXPECT_EQ(acedUsrBrk(), 0);
  answer(host::Answer::Break);
  answerNumber(1);
  EXPECT_EQ(acedUsrBrk(), 1);
  EXPECT_EQ(acedUsrBrk(), 0);
  EXPECT_EQ(host::session().user().pending(), 1u);  // the number is still there
}
