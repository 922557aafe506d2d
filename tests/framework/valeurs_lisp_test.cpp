// Status decoding, the shared error flag, converters and writers.
#include <gtest/gtest.h>

#include "acedads.h"
#include "core/session.h"
#include "framework/statut_hote.h"
#include "framework/valeurs_lisp.h"
#include "host_capture.h"
#include "lisp/interpreter.h"

namespace {

void metErrno(int n) { host::session().setErrno(n); }

TEST(DecodageStatut, CodesEtNumerosErrno) {
  CaptureLigneCommande sortie;
  EXPECT_EQ(framework::verifieStatut(RTNORM), 0);
  EXPECT_EQ(framework::verifieStatut(RTKWORD), 0);
  metErrno(0);
  EXPECT_EQ(framework::verifieStatut(RTERROR), 0);
  EXPECT_EQ(sortie.texte(), "");
  metErrno(99);
  EXPECT_EQ(framework::verifieStatut(RTERROR), 1);
  EXPECT_TRUE(sortie.contient("Erreur AutoCAD numero 99\nErreur Inconnue\n")) << sortie.texte();
  sortie.vide();
  metErrno(25);
  EXPECT_EQ(framework::verifieStatut(RTERROR), 1);
  EXPECT_TRUE(sortie.contient("Erreur AutoCAD numero 25\nBad layer name.\n")) << sortie.texte();
  sortie.vide();
  EXPECT_EQ(framework::verifieStatut(RTCAN), 1);
  EXPECT_EQ(framework::verifieStatut(RTREJ), 1);
  EXPECT_EQ(framework::verifieStatut(RTFAIL), 1);
  EXPECT_EQ(sortie.texte(), "Break utilisateur\nDonnees invalides\nLien casse (Lisp ?)\n");
  sortie.vide();
  EXPECT_EQ(framework::verifieStatut(1234), 1);
  EXPECT_EQ(sortie.texte(), "");
  EXPECT_STREQ(framework::messageErrno(0), "Normal status; no error noted.");
  EXPECT_STREQ(framework::messageErrno(85),
               "Operation not allowed while a dialogue box is active.");
  EXPECT_STREQ(framework::messageErrno(86), "Erreur Inconnue");
  EXPECT_STREQ(framework::messageErrno(-1), "Erreur Inconnue");
}

TEST(DrapeauPartage, SeulLePremierEchecEstSignale) {
  CaptureLigneCommande sortie;
  ASSERT_TRUE(host::session().current().lisp().run("(setq B 2 C \"trois\")", "test"));
  int drapeau = 1, a = 0, b = 0;
  std::string c;
  EXPECT_FALSE(framework::lisVariable("MANQUANTE", a, &drapeau, framework::kSymboleLisp));
  EXPECT_FALSE(framework::lisVariable("B", b, &drapeau, framework::kSymboleLisp));
  EXPECT_FALSE(framework::lisVariable("C", c, &drapeau, framework::kSymboleLisp));
  EXPECT_EQ(drapeau, 0);
  EXPECT_EQ(b, 0) << "later reads do nothing";
  EXPECT_EQ(sortie.texte(), "Variable MANQUANTE indefinie\n");

  drapeau = 1;
  EXPECT_TRUE(framework::lisVariable("B", b, &drapeau, framework::kSymboleLisp));
  EXPECT_TRUE(framework::lisVariable("C", c, &drapeau, framework::kSymboleLisp));
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, "trois");
  EXPECT_EQ(drapeau, 1);
}

TEST(DrapeauPartage, SilenceEtVariablesHote) {
  CaptureLigneCommande sortie;
  int drapeau = 1, n = 0;
  {
    framework::SilenceVariables silence;
    EXPECT_FALSE(framework::lisVariable("ABSENTE", n, &drapeau, framework::kSymboleLisp));
  }
  EXPECT_EQ(drapeau, 0);
  EXPECT_EQ(sortie.texte(), "");
  drapeau = 1;
  EXPECT_TRUE(framework::lisVariable("LUPREC", n, &drapeau,
                                     framework::kSymboleLisp | framework::kVariableHote));
  EXPECT_EQ(n, 4);
  // No flag: fails silently.
  EXPECT_FALSE(framework::lisVariable("ABSENTE", n, nullptr, framework::kSymboleLisp));
  EXPECT_EQ(sortie.texte(), "");
}

TEST(Convertisseurs, TypesEtMessages) {
  CaptureLigneCommande sortie;
  resbuf* reel = acutBuildList(RTREAL, 2.5, 0);
  resbuf* texte = acutBuildList(RTSTR, "12.75", 0);
  const double plan[3] = {1.0, 2.0, 9.0};
  resbuf* point = acutBuildList(RTPOINT, plan, 0);
  int drapeau = 1, n = 0;
  double r = 0;
  ads_point p;
  EXPECT_STREQ(framework::convertitTexte(reel, true, &drapeau), "2.500000");
  EXPECT_TRUE(framework::convertitEntier(reel, true, &drapeau, n));
  EXPECT_EQ(n, 2);
  EXPECT_TRUE(framework::convertitEntier(texte, true, &drapeau, n));
  EXPECT_EQ(n, 12);
  EXPECT_TRUE(framework::convertitReel(texte, true, &drapeau, r));
  EXPECT_DOUBLE_EQ(r, 12.75);
  EXPECT_TRUE(framework::convertitPoint(point, true, &drapeau, p));
  EXPECT_DOUBLE_EQ(p[2], 0.0);
  EXPECT_EQ(drapeau, 1);
  EXPECT_FALSE(framework::convertitPoint(reel, true, &drapeau, p));
  EXPECT_EQ(sortie.texte(), "Le buffer n'est pas un point\n");
  drapeau = 1;
  EXPECT_FALSE(framework::convertitReel(point, true, &drapeau, r));
  EXPECT_FALSE(framework::convertitEntier(point, true, &drapeau, n));
  EXPECT_EQ(sortie.compte("\n"), 2u) << "the second failure is not reported";
  acutRelRb(reel);
  acutRelRb(texte);
  acutRelRb(point);
}

TEST(Ecrivains, SymbolesEtVariables) {
  int drapeau = 1;
  EXPECT_TRUE(framework::ecritReel(framework::kSymboleLisp, "RR", 1.5, &drapeau));
  EXPECT_TRUE(framework::ecritTexte(framework::kSymboleLisp, "TT", "abc", &drapeau));
  EXPECT_TRUE(framework::ecritEntierCourt(framework::kVariableHote, "USERI1", 7, &drapeau));
  EXPECT_EQ(host::session().current().vars().getInt("USERI1"), 7);
  double r = 0;
  std::string t;
  EXPECT_TRUE(framework::lisVariable("RR", r, &drapeau, framework::kSymboleLisp));
  EXPECT_TRUE(framework::lisVariable("TT", t, &drapeau, framework::kSymboleLisp));
  EXPECT_EQ(r, 1.5);
  EXPECT_EQ(t, "abc");
  // A read-only variable refuses: the flag drops without a message.
  EXPECT_FALSE(framework::ecritEntierCourt(framework::kVariableHote, "ERRNO", 3, &drapeau));
  EXPECT_EQ(drapeau, 0);
}

}  // namespace
