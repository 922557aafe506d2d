// The scripted user: user-input queues answers that the input functions take.
#include "base/answers.h"
#include "core/session.h"
#include "lisp_fixture.h"

namespace {

using UserInput = LispTest;

host::Answer next() { return host::session().user().take("test"); }

TEST_F(UserInput, EachKindOfItemBecomesOneAnswer) {
  EXPECT_EQ(eval("(setq e (entmakex '((0 . \"POINT\") (10 0.0 0.0 0.0))))"
                 "(user-input nil 'cancel 'break '(1 2) '(3 4 5) 7 2.5 \"Oui\" e (list e '(8 9)))"),
            "10");
  EXPECT_EQ(next().kind, host::Answer::Enter);
  EXPECT_EQ(next().kind, host::Answer::Cancel);
  EXPECT_EQ(next().kind, host::Answer::Break);
  host::Answer p = next();
  EXPECT_EQ(p.kind, host::Answer::Point);
  EXPECT_EQ(p.point[0], 1.0);
  EXPECT_EQ(p.point[1], 2.0);
  EXPECT_EQ(p.point[2], 0.0);
  EXPECT_EQ(next().point[2], 5.0);
  host::Answer n = next();
  EXPECT_EQ(n.kind, host::Answer::Number);
  EXPECT_EQ(n.number, 7.0);
  EXPECT_EQ(next().number, 2.5);
  host::Answer t = next();
  EXPECT_EQ(t.kind, host::Answer::Text);
  EXPECT_EQ(t.text, "Oui");
  host::Answer pick = next();
  EXPECT_EQ(pick.kind, host::Answer::Entity);
  EXPECT_NE(pick.entity[0], 0);
  host::Answer at = next();
  EXPECT_EQ(at.kind, host::Answer::Entity);
  EXPECT_EQ(at.entity[0], pick.entity[0]);
  EXPECT_EQ(at.point[1], 9.0);
  EXPECT_EQ(host::session().user().pending(), 0u);
}

TEST_F(UserInput, DialogItemsSetTilesAndPressButtons) {
  EXPECT_EQ(eval("(user-input '(dialog (\"nom\" . \"Axe 1\") (\"rayon\" 250.5) \"accept\"))"), "1");
  host::Answer d = next();
  ASSERT_EQ(d.kind, host::Answer::Dialog);
  ASSERT_EQ(d.actions.size(), 3u);
  EXPECT_EQ(d.actions[0].key, "nom");
  EXPECT_EQ(d.actions[0].value, "Axe 1");
  EXPECT_EQ(d.actions[1].key, "rayon");
  EXPECT_EQ(d.actions[1].value, "250.5");
  EXPECT_EQ(d.actions[2].key, "accept");
  EXPECT_FALSE(d.actions[2].value.has_value());
}

TEST_F(UserInput, CountsAnswersAlreadyWaitingAndQueuesNothingOnABadItem) {
  EXPECT_EQ(eval("(user-input 1)"), "1");
  EXPECT_EQ(eval("(user-input 2 3)"), "3");
  EXPECT_EQ(eval("(user-input 4 'inconnu)"),
            "error: type d'argument incorrect: élément de user-input: INCONNU");
  EXPECT_EQ(eval("(user-input '(dialog 5))"),
            "error: type d'argument incorrect: élément de user-input: 5");
  EXPECT_EQ(host::session().user().pending(), 3u);
}

TEST_F(UserInput, InputFunctionsTakeTheQueuedAnswers) {
  eval("(user-input '(1 2) 3.5 12 \"Non\" \"texte libre\" nil)");
  EXPECT_EQ(eval("(getpoint \"Point: \")"), "(1.0 2.0 0.0)");
  EXPECT_EQ(eval("(getreal \"Réel: \")"), "3.5");
  EXPECT_EQ(eval("(getint)"), "12");
  EXPECT_EQ(eval("(initget \"Oui Non\") (getkword \"[Oui/Non]: \")"), "\"Non\"");
  EXPECT_EQ(eval("(getstring t \"Nom: \")"), "\"texte libre\"");
  EXPECT_EQ(eval("(getpoint)"), "nil");  // Enter
}

TEST_F(UserInput, EscapeOrAnEmptyQueueCancelsTheProgram) {
  eval("(user-input 'cancel)");
  EXPECT_EQ(eval("(getpoint)"), "error: Fonction annulée");
  EXPECT_FALSE(run("(setq a 1)\n(getdist \"Distance: \")\n(setq a 2)\n", "s.lsp"));
  EXPECT_NE(out.find("; erreur: Fonction annulée (s.lsp, ligne 2)\n"), std::string::npos) << out;
  EXPECT_EQ(eval("a"), "1");
}

TEST_F(UserInput, EntselGivesTheEntityAndThePickPoint) {
  eval("(setq e (entmakex '((0 . \"POINT\") (10 4.0 4.0 0.0))))");
  eval("(user-input (list e '(4 4)))");
  EXPECT_EQ(eval("(setq sel (entsel)) (list (eq (car sel) e) (cadr sel))"), "(T (4.0 4.0 0.0))");
}

}  // namespace
