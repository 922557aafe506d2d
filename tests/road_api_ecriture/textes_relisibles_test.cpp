// Texts and numbers that the project file could not read back as written are
// refused with the operation's "parametres incorrects", leaving the file as
// it was; and stations closer than the tolerance keep their own sections.
#include <string>

#include "api_essai.h"
#include "road/axes_en_long.h"
#include "road/construction_profil.h"
#include "road/profils_en_travers.h"

namespace {

class TextesRelisibles : public ApiEssai {
 protected:
  void SetUp() override {
    ApiEssai::SetUp();
    creeAxe("A1");
  }
  // "ecri_info_0" for A2 with one symbol changed from a sound alignment.
  void creeAxeAvec(const std::string& affectation) {
    lisp(
        "(setq NMAXE-P \"A2\" ABSCD 0.0 ABSCF 10.0 PREMPROF 1 VIT-REF \"70\" PLAN-CONS \"PLAN\""
        " NB-EAXP 1 PBG-ZE '(0.0 0.0 0.0) PHD-ZE '(1.0 1.0 0.0) LAXE-P '((\"D1\" 1.0 2 3.0)))");
    lisp("(setq " + affectation + ")");
  }
  void profil(const std::string& nom, const std::string& sommet) {
    lisp("(setq NMAXE-L \"" + nom + "\" ABSCL 1.0 SMAXL 2.0 LAXE-L '((\"" + sommet +
         "\" 0.0 100.0 1 0.0)))");
  }
};

TEST_F(TextesRelisibles, MotsVidesOuAvecBlancsRefuses) {
  for (const char* affectation : {"VIT-REF \"70 km/h\"", "VIT-REF \"\"", "PLAN-CONS \"AXE PLAN\"",
                                  "PLAN-CONS \"A\tB\"", "PLAN-CONS \"\"", "NMAXE-P \"A 2\"",
                                  "LAXE-P '((\"D 1\" 1.0 2 3.0))", "ABSCD (* 1e308 10.0)"}) {
    creeAxeAvec(affectation);
    echoue(road::CreationAxe, "", "CreationAxe: parametres incorrects");
  }
  // The sound alignment is taken, and the file reads back whole.
  creeAxeAvec("VIT-REF \"70km/h\"");
  appelle(road::CreationAxe, "");
  const auto projet = relu();
  EXPECT_TRUE(projet->lectureComplete());
  ASSERT_NE(projet->trouveAxe("A2"), nullptr);
  EXPECT_EQ(projet->trouveAxe("A2")->vitesseReference, "70km/h");
}

TEST_F(TextesRelisibles, NomsPrisPourUnNombreUnTagOuUnMotDeFin) {
  // A profile made active is written in the alignment's header, where a word
  // starting with a digit reads as a count.
  profil("2024", "S1");
  echoue(road::CreationAxePL, "\"A1\" 0", "CreationAxePL: parametres incorrects");
  for (const char* nom :
       {"Cubatures", "FINLONG", "PROF-EN-TRAVERS", "fintn", "3d-donnees-terrain"}) {
    profil(nom, "S1");
    echoue(road::CreationAxePL, "\"A1\" 0", "CreationAxePL: parametres incorrects");
    profil("P1", nom);
    echoue(road::CreationAxePL, "\"A1\" 0", "CreationAxePL: parametres incorrects");
  }
  profil("P1", "S1");
  appelle(road::CreationAxePL, "\"A1\" 0");
  echoue(road::ModifNomAxeLong, "\"A1\" \"P1\" \"2024\"", "ModifNomAxeLong: parametres incorrects");
  echoue(road::ModifNomAxeLong, "\"A1\" \"P1\" \"Cubatures\"",
         "ModifNomAxeLong: parametres incorrects");
  EXPECT_EQ(relu()->trouveAxe("A1")->profilLongActif, "P1");
}

TEST_F(TextesRelisibles, RenommerVersUnNomPrisEstRefuse) {
  creeAxe("A2");
  echoue(road::ModifNomAxePlan, "\"A1\" \"a2\"", "ModifNomAxePlan: parametres incorrects");
  // A change of letter case of its own name is a rename all the same.
  appelle(road::ModifNomAxePlan, "\"A1\" \"a1\"");
  const auto projet = relu();
  EXPECT_EQ(projet->axes()[0]->nom, "a1");
  EXPECT_EQ(projet->axes()[1]->nom, "A2");
}

TEST_F(TextesRelisibles, NumeroDeConstructionLongOuSurPlusieursLignes) {
  const auto construction = [&](const std::string& numero) {
    lisp("(setq LPT-CONS (list (list 0.0 1 2 3 4 5 6 \"" + numero + "\")))");
  };
  construction(std::string(358, 'n'));
  echoue(road::EcritureSC, "\"A1\"", "EcritureSC: parametres incorrects");
  construction("ligne\\nsuivante");
  echoue(road::EcritureSC, "\"A1\"", "EcritureSC: parametres incorrects");
  // 357 characters, quotes and backslashes among them, read back as written.
  const std::string long357 = "a\\\"b\\\\c" + std::string(352, 'x');
  construction(long357);
  appelle(road::EcritureSC, "\"A1\"");
  const auto projet = relu();
  EXPECT_TRUE(projet->lectureComplete()) << projet->problemeLecture();
  ASSERT_EQ(projet->trouveAxe("A1")->construction()->nombre(), 1u);
  EXPECT_EQ(projet->trouveAxe("A1")->construction()->entrees()[0].numero,
            "a\"b\\c" + std::string(352, 'x'));
}

TEST_F(TextesRelisibles, StationRetireePresDuneAutreGardeLaSectionRestante) {
  lisp(
      "(setq NB-PTAB 2 NB-PT 2 PAS-NPRO 1"
      " LTABUL '((0.0 0.0 0.0 100.0 1 0.0 0.0) (0.0 0.0 0.0 100.0005 1 0.0 0.0)))");
  appelle(road::EcritureTabulation, "\"A1\"");
  lisp(
      "(setq ABSIPRO 100.0 HANDPRO \"2A\" EP-DECAP 0.3 PM-DECAP 0.1"
      " LPT-TN '((\"G\" 1.0 2.0 3.0)))");
  appelle(road::ModifPT, "\"A1\" 0");
  // The station at 100.0005 goes; the one at 100 keeps its section.
  lisp("(setq LTABUL '((0.0 0.0 0.0 100.0 1 0.0 0.0)))");
  appelle(road::EcritureTabulation, "\"A1\"");
  const auto projet = relu();
  const road::PROFILS_EN_TRAVERS& sections = *projet->trouveAxe("A1")->profils();
  ASSERT_EQ(sections.nombre(), 1u);
  EXPECT_DOUBLE_EQ(sections.profils()[0]->abscisse, 100.0);
  EXPECT_EQ(sections.profils()[0]->handle, "2A");
  EXPECT_EQ(sections.profils()[0]->couches().size(), 1u);
  ASSERT_EQ(projet->trouveAxe("A1")->construction()->nombre(), 1u);
  EXPECT_DOUBLE_EQ(projet->trouveAxe("A1")->construction()->entrees()[0].abscisse, 100.0);
}

}  // namespace
