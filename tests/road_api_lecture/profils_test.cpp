// "lec_info_1", "lec_info_2" and "lec_info_9": one cross-section's layers,
// the station of a handle, the construction table.
#include <cstring>

#include "lecture_essai.h"
#include "road/api_lecture.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/couche_kind.h"
#include "road/profils_en_travers.h"

namespace {

using road::AXE_EN_PLAN;

int kindDe(const char* symbole) {
  for (const road::COUCHE_KIND& k : road::coucheKinds())
    if (std::strcmp(k.symbole, symbole) == 0) return k.code;
  ADD_FAILURE() << symbole;
  return 0;
}

// Two cross-sections: 20 with handle "nil" and a TN layer with a point named
// "NIL", 40 with handle "2A" and an empty TV layer; construction entries at
// 20 (numbered) and 40 (no number).
std::unique_ptr<AXE_EN_PLAN> axeAvecSections(bool avecConstruction = true) {
  auto axe = std::make_unique<AXE_EN_PLAN>();
  axe->nom = "RN7";
  axe->planConstruction = "P";
  axe->vitesseReference = "80";
  auto* profils = axe->profils(true);
  auto p20 = std::make_unique<road::UN_PROFIL>();
  p20->abscisse = 20;
  p20->epaisseurDecapage = 0.3;
  p20->secondeDecapage = 1.5;
  road::COUCHE tn(kindDe("LPT-TN"));
  tn.ajoute({-5, 100, 0, "NIL"});
  tn.ajoute({5, 101, 0, "AXE"});
  p20->ajouteCouche(tn);
  profils->ajoute(std::move(p20));
  auto p40 = std::make_unique<road::UN_PROFIL>();
  p40->abscisse = 40;
  p40->handle = "2A";
  p40->ajouteCouche(road::COUCHE(kindDe("LPT-TV")));
  road::COUCHE fr(kindDe("LPT-FR"));
  fr.ajoute({1, 2, 3, ""});
  p40->ajouteCouche(fr);
  profils->ajoute(std::move(p40));
  if (avecConstruction) {
    road::PROFILCONS c20;
    c20.numero = "P12";
    c20.abscisse = 20;
    c20.entiers = {1, 2, 3, 4, 5, 6};
    axe->construction(true)->ajoute(c20);
    road::PROFILCONS c40;
    c40.abscisse = 40;
    axe->construction(true)->ajoute(c40);
  }
  return axe;
}

class Profils : public LectureEssai {};

TEST_F(Profils, NilHandleStaysNilAndNilNamesComeBackAsNil) {
  sauve(axeAvecSections());
  lisp("(setq HANDPRO \"OLD\" LPT-TD '((\"A\" 1.0 2.0 3.0)) ABSIPRO 20.0005)");
  CaptureErreurs erreurs;
  appelle(road::lectureProfLPT, "\"RN7\"");
  EXPECT_EQ(erreurs.texte(), "");
  EXPECT_EQ(valeur("HANDPRO"), "nil");
  EXPECT_EQ(valeur("NPRO"), "\"P12\"");
  EXPECT_EQ(valeur("EP-DECAP"), "0.3");
  EXPECT_EQ(valeur("PM-DECAP"), "1.5");
  EXPECT_EQ(valeur("LPT-TN"), "((nil -5.0 100.0 0.0) (\"AXE\" 5.0 101.0 0.0))");
  EXPECT_EQ(valeur("LPT-TD"), "nil");
}

TEST_F(Profils, HandleAbsentNumberAndEmptyLayer) {
  sauve(axeAvecSections());
  lisp("(setq ABSIPRO 40.0 LPT-TV '((1.0 1.0 1.0)))");
  appelle(road::lectureProfLPT, "\"RN7\"");
  EXPECT_EQ(valeur("HANDPRO"), "\"2A\"");
  EXPECT_EQ(valeur("NPRO"), "\"\"");
  EXPECT_EQ(valeur("LPT-TV"), "nil");
  EXPECT_EQ(valeur("LPT-FR"), "((1.0 2.0 3.0))");
  EXPECT_EQ(valeur("LPT-TN"), "nil");
}

TEST_F(Profils, CrossSectionFailuresInOrder) {
  sauve(axeAvecSections(false));
  CaptureErreurs erreurs;
  lisp("(setq ABSIPRO 20.0)");
  appelle(road::lectureProfLPT, "");
  appelle(road::lectureProfLPT, "'(\"RN7\")");
  appelle(road::lectureProfLPT, "\"RN9\"");
  appelle(road::lectureProfLPT, "\"RN7\"");
  lisp("(setq ABSIPRO 30.0)");
  appelle(road::lectureProfLPT, "\"RN7\"");
  appelle(road::lectureLPTCons, "\"RN7\"");
  lisp("(setq HANDPRO \"2A\")");
  appelle(road::handlePT2PosPT, "\"RN7\"");
  EXPECT_EQ(erreurs.texte(),
            "LectureProfLPT: parametres incorrects\n"
            "LectureProfLPT: parametres incorrects\n"
            "LectureProfLPT: Axe non trouve\n"
            "LectureProfLPT: Pas de CONSTRUCTION_PROFIL\n"
            "LectureProfLPT: Tabulation inconnue\n"
            "LectureLPTCons: Pas de cons. profil\n"
            "HandlePT2PosPT: Pas de CONSTRUCTION_PROFIL\n");
  EXPECT_EQ(valeur("EP-DECAP"), "nil");
}

TEST_F(Profils, HandleToStation) {
  sauve(axeAvecSections());
  lisp("(setq HANDPRO \"2a\" NPRO \"X\")");
  CaptureErreurs erreurs;
  appelle(road::handlePT2PosPT, "\"RN7\"");
  EXPECT_EQ(valeur("ABSIPRO"), "40.0");
  EXPECT_EQ(valeur("NPRO"), "\"\"");

  lisp("(setq HANDPRO \"FFFF\" NPRO \"X\" ABSIPRO 3.0)");
  appelle(road::handlePT2PosPT, "\"RN7\"");
  EXPECT_EQ(valeur("NPRO"), "nil");
  EXPECT_EQ(valeur("ABSIPRO"), "nil");
  EXPECT_EQ(erreurs.texte(), "");
}

TEST_F(Profils, ConstructionTableWithShortIntegersAndEmptyNumber) {
  sauve(axeAvecSections());
  lisp("(setq LPT-CONS 5)");
  appelle(road::lectureLPTCons, "\"RN7\"");
  EXPECT_EQ(valeur("LPT-CONS"), "((20.0 1 2 3 4 5 6 \"P12\") (40.0 0 0 0 0 0 0 \"\"))");
  CaptureErreurs erreurs;
  appelle(road::lectureLPTCons, "\"RN9\"");
  EXPECT_EQ(erreurs.texte(), "LectureLPTCons: Axe non trouve\n");
  EXPECT_EQ(valeur("LPT-CONS"), "nil");
}

}  // namespace
