// Message boxes answered by the scripted user.
#include <gtest/gtest.h>

#include "core/session.h"
#include "platform.h"

namespace {

class MessageBox : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.setOutput([this](std::string_view t) { output_.append(t); });
  }
  void TearDown() override { session_.setOutput(nullptr); }
  // The answer of a box of `type` to one queued answer.
  int answer(unsigned type, host::Answer::Kind kind, const std::string& text = {}) {
    host::Answer a;
    a.kind = kind;
    a.text = text;
    host::session().user().push(a);
    return platform::messageBox(nullptr, "Écraser le fichier ?", "Talvex", type);
  }
  host::Session session_;  // a fresh host for each test
  std::string output_;
};

TEST_F(MessageBox, ButtonsAreNamedInFrenchOrEnglishInAnyCase) {
  using K = host::Answer::Kind;
  EXPECT_EQ(answer(MB_YESNOCANCEL | MB_ICONQUESTION, K::Text, "Oui"), IDYES);
  EXPECT_EQ(answer(MB_YESNOCANCEL, K::Text, "non"), IDNO);
  EXPECT_EQ(answer(MB_YESNOCANCEL, K::Text, " ANNULER "), IDCANCEL);
  EXPECT_EQ(answer(MB_YESNO, K::Text, "yes"), IDYES);
  EXPECT_EQ(answer(MB_YESNO, K::Text, "No"), IDNO);
  EXPECT_EQ(answer(MB_OKCANCEL, K::Text, "ok"), IDOK);
  EXPECT_EQ(answer(MB_OKCANCEL, K::Text, "Cancel"), IDCANCEL);
  EXPECT_EQ(answer(MB_RETRYCANCEL, K::Text, "Recommencer"), IDRETRY);
  EXPECT_EQ(answer(MB_ABORTRETRYIGNORE, K::Text, "ignore"), IDIGNORE);
  EXPECT_NE(output_.find("[message] Talvex: Écraser le fichier ? [Oui/Non/Annuler]\n"),
            std::string::npos)
      << output_;
}

TEST_F(MessageBox, EnterPressesTheDefaultButton) {
  using K = host::Answer::Kind;
  EXPECT_EQ(answer(MB_YESNO, K::Enter), IDYES);
  EXPECT_EQ(answer(MB_YESNO | MB_DEFBUTTON2, K::Enter), IDNO);
  EXPECT_EQ(answer(MB_YESNOCANCEL | MB_DEFBUTTON3, K::Enter), IDCANCEL);
  EXPECT_EQ(answer(MB_OK | MB_DEFBUTTON3, K::Enter), IDOK);  // no third button: the last
}

TEST_F(MessageBox, EscapeGivesCancelOrTheBoxsWayOut) {
  using K = host::Answer::Kind;
  EXPECT_EQ(answer(MB_YESNOCANCEL, K::Cancel), IDCANCEL);
  EXPECT_EQ(answer(MB_OKCANCEL, K::Cancel), IDCANCEL);
  EXPECT_EQ(answer(MB_YESNO, K::Cancel), IDNO);
  EXPECT_EQ(answer(MB_OK, K::Cancel), IDOK);
  EXPECT_EQ(answer(MB_ABORTRETRYIGNORE, K::Cancel), IDABORT);
  // An empty queue is Escape too.
  EXPECT_EQ(platform::messageBox(nullptr, "Texte", nullptr, MB_YESNO), IDNO);
  EXPECT_NE(output_.find("[message] Erreur: Texte [Oui/Non]\n"), std::string::npos) << output_;
}

TEST_F(MessageBox, AnAnswerThatNamesNoButtonIsEscapeAndSaidSo) {
  using K = host::Answer::Kind;
  EXPECT_EQ(answer(MB_YESNO, K::Text, "Peut-être"), IDNO);
  EXPECT_NE(output_.find("[message] Talvex: pas de bouton \"Peut-être\", Echap\n"),
            std::string::npos)
      << output_;
  EXPECT_EQ(answer(MB_OKCANCEL, K::Text, "Oui"), IDCANCEL);  // not a button of this box
  EXPECT_EQ(answer(MB_OKCANCEL, K::Number), IDCANCEL);
  EXPECT_NE(output_.find("[message] Talvex: réponse inattendue, Echap\n"), std::string::npos);
  EXPECT_EQ(host::session().user().pending(), 0u);
}

}  // namespace
