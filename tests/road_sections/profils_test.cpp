// Cross-sections and their layers: the layer kinds, the point format, the
// body reader's results and lookahead, round trips, failures, and the
// abscissa-ordered list.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "essai_sections.h"
#include "road/couche.h"
#include "road/couche_kind.h"
#include "road/profils_en_travers.h"

namespace {

using road::COUCHE;
using road::PROFILS_EN_TRAVERS;
using road::UN_PROFIL;

TEST(CoucheKind, TableLookupAndNamedPoints) {
  const auto& kinds = road::coucheKinds();
  for (int code = 0; code < road::kNombreCoucheKinds; ++code) {
    EXPECT_EQ(kinds[code].code, code);
    EXPECT_EQ(road::codeCoucheKind(kinds[code].nom), code);
    EXPECT_EQ(kinds[code].pointsNommes, code <= 2) << kinds[code].nom;
  }
  EXPECT_STREQ(road::coucheKind(0)->motFin, "FINTN");
  EXPECT_STREQ(road::coucheKind(8)->nom, "ROULEMENT");
  EXPECT_STREQ(road::coucheKind(8)->symbole, "LPT-RL");
  EXPECT_EQ(road::codeCoucheKind("vegetale"), 3);
  EXPECT_EQ(road::codeCoucheKind("FoNdAtIoN"), 5);
  EXPECT_EQ(road::codeCoucheKind("TERRAINS"), -1);
  EXPECT_EQ(road::codeCoucheKind(""), -1);
  EXPECT_EQ(road::coucheKind(-1), nullptr);
  EXPECT_EQ(road::coucheKind(9), nullptr);
}

TEST(PointCouche, FixedWidthFiveDecimals) {
  EXPECT_EQ(road::formatPointCouche(1.5, -2, 1234567.123456),
            "              1.50000             -2.00000        1234567.12346 ");
  EXPECT_EQ(road::formatPointCouche(0.000004, -0.000006, 0),
            "              0.00000             -0.00001              0.00000 ");
  // Wider than the field: nothing is cut.
  const std::string enorme = road::formatPointCouche(1e300, 0, 0);
  EXPECT_EQ(enorme.size(), 1u + 301u + 6u + 2u * 21u + 1u);
}

TEST(PointCouche, NamesOnlyForNamedKinds) {
  COUCHE terrain(0);
  terrain.ajoute({1, 2, 3, "P1"});
  terrain.ajoute({4, 5, 6, "nil"});
  COUCHE base(6);
  base.ajoute({1, 2, 3, "ignore"});
  std::ostringstream sortie;
  terrain.ecrit(sortie);
  base.ecrit(sortie);
  const std::string f = road::formatPointCouche(1, 2, 3);
  EXPECT_EQ(sortie.str(), "TERRAIN P1 " + f + " nil " + road::formatPointCouche(4, 5, 6) +
                              " FINTN\nBASE " + f + " FINBA\n");

  std::istringstream entree(sortie.str());
  std::string mot;
  road::lisMot(entree, mot);
  COUCHE relu(0);
  ASSERT_TRUE(relu.lisCorps(entree));
  ASSERT_EQ(relu.points().size(), 2u);
  EXPECT_EQ(relu.points()[1].nom, "nil");
  EXPECT_EQ(relu.points()[1].z, 6);
  road::lisMot(entree, mot);
  COUCHE reluBase(6);
  ASSERT_TRUE(reluBase.lisCorps(entree));
  ASSERT_EQ(reluBase.points().size(), 1u);
  EXPECT_EQ(reluBase.points()[0].nom, "");
  EXPECT_EQ(reluBase.points()[0].x, 1);
}

// The body reader: -1 at the end of the cross-sections, 0 on a bad header, 1 read.
TEST(LectureProfil, ResultsAndLookahead) {
  {
    std::istringstream vide("   \n ");
    std::string anticipe;
    UN_PROFIL p;
    EXPECT_EQ(p.lisCorps(vide, anticipe), UN_PROFIL::kFin);
    EXPECT_EQ(anticipe, "");
  }
  {
    std::istringstream tag(" PTS-DE-TABULATION\n1 2 3");
    std::string anticipe;
    UN_PROFIL p;
    EXPECT_EQ(p.lisCorps(tag, anticipe), UN_PROFIL::kFin);
    EXPECT_EQ(anticipe, "PTS-DE-TABULATION") << "the whole word goes back";
  }
  {
    // A word waiting in the buffer is taken before the stream.
    std::istringstream suite(" 0.5 0.25 H1\nCUBATURES");
    std::string anticipe = "-12.5";
    UN_PROFIL p;
    ASSERT_EQ(p.lisCorps(suite, anticipe), UN_PROFIL::kLu);
    EXPECT_EQ(p.abscisse, -12.5);
    EXPECT_EQ(p.epaisseurDecapage, 0.5);
    EXPECT_EQ(p.secondeDecapage, 0.25);
    EXPECT_EQ(p.handle, "H1");
    EXPECT_EQ(anticipe, "CUBATURES");
  }
  for (const char* mauvais : {"12.5 0.3 x H1", "12.5 0.3", "12.5 0.3 0.1", "1e400 0 0 H1"}) {
    CaptureErreurs erreurs;
    std::istringstream entree(mauvais);
    std::string anticipe;
    UN_PROFIL p;
    EXPECT_EQ(p.lisCorps(entree, anticipe), UN_PROFIL::kErreur) << mauvais;
    EXPECT_EQ(erreurs.texte(), "UN_PROFIL::ES : Erreur Pos/Handle\n");
  }
}

const std::string kFichier =
    "PROF-EN-TRAVERS\n"
    "10.000000 0.300000 1.250000 3F2A\n"
    "TERRAIN G " +
    road::formatPointCouche(-12, 0.5, 101.25) + " nil " +
    road::formatPointCouche(12, -0.5, 100.75) + " FINTN\n" + "ROULEMENT " +
    road::formatPointCouche(-3.5, 0, 100.9) + " " + road::formatPointCouche(3.5, 0, 100.9) +
    " FINRL\n" +
    "20.000000 0.000000 0.000000 nil\n"
    "-5.500000 0.000000 0.000000 H\n"
    "DECAPAGE A " +
    road::formatPointCouche(1, 2, 3) + " FINTD\n";

TEST(Profils, RoundTripIsByteIdentical) {
  PROFILS_EN_TRAVERS profils;
  const Lecture l = lisEnregistrement(profils, kFichier + "EPAISSEUR-DE-STRUCTURE\nnil nil\n");
  EXPECT_TRUE(l.resultat);
  EXPECT_EQ(l.anticipe, "EPAISSEUR-DE-STRUCTURE");
  ASSERT_EQ(profils.nombre(), 3u);
  EXPECT_EQ(profils.profils()[1]->handle, "nil");
  EXPECT_TRUE(profils.profils()[1]->couches().empty()) << "a section without layer is one line";
  EXPECT_EQ(profils.profils()[2]->abscisse, -5.5) << "file order is kept, not sorted";
  EXPECT_EQ(ecrit(profils), kFichier);
  EXPECT_EQ(relit<PROFILS_EN_TRAVERS>(ecrit(profils)), kFichier);
}

TEST(Profils, KindNamesInAnyCaseAreWrittenUpperCase) {
  const std::string p = road::formatPointCouche(1, 2, 3);
  const std::string relu = relit<PROFILS_EN_TRAVERS>("prof-en-travers 1 0 0 h\nterrain n " + p +
                                                     " fintn Base " + p + " FinBa\n");
  EXPECT_EQ(relu, "PROF-EN-TRAVERS\n1.000000 0.000000 0.000000 h\nTERRAIN n " + p +
                      " FINTN\nBASE " + p + " FINBA\n");
}

TEST(Profils, LayerWithoutPointIsLostOnReadBack) {
  PROFILS_EN_TRAVERS profils;
  auto p = std::make_unique<UN_PROFIL>();
  p->ajouteCouche(COUCHE(4));
  p->ajouteCouche(COUCHE(5)).ajoute({1, 1, 1, ""});
  profils.ajoute(std::move(p));
  PROFILS_EN_TRAVERS relu;
  lisEnregistrement(relu, ecrit(profils));
  ASSERT_EQ(relu.nombre(), 1u);
  ASSERT_EQ(relu.profils()[0]->couches().size(), 1u);
  EXPECT_EQ(relu.profils()[0]->couches()[0].kind(), 5);
}

TEST(Profils, BadHeaderDropsOnlyThatSectionAndEndsTheList) {
  CaptureErreurs erreurs;
  PROFILS_EN_TRAVERS profils;
  const Lecture l = lisEnregistrement(profils, "PROF-EN-TRAVERS\n1 0 0 a\n2 0 zz b\n3 0 0 c\n");
  EXPECT_EQ(erreurs.texte(), "UN_PROFIL::ES : Erreur Pos/Handle\n");
  ASSERT_EQ(profils.nombre(), 1u);
  EXPECT_EQ(profils.profils()[0]->handle, "a");
}

TEST(Profils, LayerFailuresKeepThePointsRead) {
  const std::string p = road::formatPointCouche(1, 2, 3);
  {
    CaptureErreurs erreurs;
    PROFILS_EN_TRAVERS profils;
    lisEnregistrement(profils, "PROF-EN-TRAVERS\n1 0 0 a\nPROJET A " + p + " B 4 x 6 FINPJ\n");
    EXPECT_EQ(erreurs.texte(), "Erreur de lecture des Coord ds COUCHE::ES\n");
    ASSERT_EQ(profils.nombre(), 1u);
    ASSERT_EQ(profils.profils()[0]->couches().size(), 1u);
    ASSERT_EQ(profils.profils()[0]->couches()[0].points().size(), 1u);
    EXPECT_EQ(profils.profils()[0]->couches()[0].points()[0].nom, "A");
  }
  {
    // An overflowing first coordinate of an unnamed point fails like the others.
    CaptureErreurs erreurs;
    PROFILS_EN_TRAVERS profils;
    lisEnregistrement(profils, "PROF-EN-TRAVERS\n1 0 0 a\nFORME " + p + " -1e999 2 3 FINFR\n");
    EXPECT_EQ(erreurs.texte(), "Erreur de lecture des Coord ds COUCHE::ES\n");
    ASSERT_EQ(profils.nombre(), 1u);
    EXPECT_EQ(profils.profils()[0]->couches()[0].points().size(), 1u);
  }
  {
    CaptureErreurs erreurs;
    PROFILS_EN_TRAVERS profils;
    lisEnregistrement(profils, "PROF-EN-TRAVERS\n1 0 0 a\nFORME " + p + p);
    EXPECT_EQ(erreurs.texte(), "Fin de fichier inattendu sur COUCHE::ES\n");
    ASSERT_EQ(profils.nombre(), 1u);
    EXPECT_EQ(profils.profils()[0]->couches()[0].points().size(), 2u);
  }
}

TEST(Profils, UnknownKindNameEndsTheSections) {
  PROFILS_EN_TRAVERS profils;
  const Lecture l =
      lisEnregistrement(profils, "PROF-EN-TRAVERS\n1 0 0 a\nBITUME 1 2 3 FINBI\n2 0 0 b\n");
  ASSERT_EQ(profils.nombre(), 1u);
  EXPECT_EQ(l.anticipe, "BITUME") << "handed back to the alignment, which reports it";
  EXPECT_EQ(l.reste, " 1 2 3 FINBI\n2 0 0 b\n");
}

TEST(Profils, BinaryAndHugeInputEndsWithoutCrash) {
  std::string binaire = "PROF-EN-TRAVERS\n1e400 0 0 h\nTERRAIN ";
  for (int i = 0; i < 3000; ++i) binaire.push_back(static_cast<char>(i * 37 % 256));
  PROFILS_EN_TRAVERS profils;
  CaptureErreurs erreurs;
  lisEnregistrement(profils, binaire);
  EXPECT_LE(profils.nombre(), 1u);
}

std::unique_ptr<UN_PROFIL> profil(double abscisse, const std::string& handle) {
  auto p = std::make_unique<UN_PROFIL>();
  p->abscisse = abscisse;
  p->handle = handle;
  return p;
}

TEST(Profils, InsertFindRemoveShift) {
  PROFILS_EN_TRAVERS profils;
  profils.insere(profil(30, "c"));
  profils.insere(profil(10, "a"));
  profils.insere(profil(20, "b1"));
  profils.insere(profil(20, "b2"));
  profils.insere(profil(20.0004, "b3"));
  std::string ordre;
  for (const auto& p : profils.profils()) ordre += p->handle + " ";
  EXPECT_EQ(ordre, "a b1 b2 b3 c ") << "equal abscissas keep their insertion order";

  size_t position = 99;
  const UN_PROFIL* trouve = profils.trouve(20.0009, &position);
  ASSERT_NE(trouve, nullptr);
  EXPECT_EQ(trouve->handle, "b1") << "the first within 0.001 hides the others";
  EXPECT_EQ(position, 1u);
  EXPECT_EQ(profils.trouve(20.0011)->handle, "b3") << "b1 and b2 are 0.0011 away";
  EXPECT_EQ(profils.trouve(25), nullptr);

  auto retire = profils.retire(trouve);
  ASSERT_TRUE(retire);
  EXPECT_EQ(retire->handle, "b1");
  EXPECT_EQ(profils.trouve(20)->handle, "b2");
  EXPECT_EQ(profils.retire(retire.get()), nullptr) << "not in the list any more";

  profils.decale(-10);
  EXPECT_EQ(profils.profils().front()->abscisse, 0);
  EXPECT_EQ(profils.trouve(20, &position)->handle, "c");
  EXPECT_EQ(position, 3u);
}

TEST(Profils, DuplicateIsDeepAndAssignChecksTheKind) {
  PROFILS_EN_TRAVERS profils;
  lisEnregistrement(profils, kFichier);
  auto copie = profils.duplique();
  profils.profils()[0]->couches().clear();
  profils.vide();
  EXPECT_EQ(ecrit(*copie), kFichier);

  PROFILS_EN_TRAVERS cible;
  ASSERT_TRUE(cible.affecte(*copie));
  EXPECT_EQ(ecrit(cible), kFichier);

  class AutreKind : public road::OBJET_ES {
   public:
    const char* identifiant() const override { return "CUBATURES"; }
    bool ecrit(std::ostream&) const override { return true; }
    bool ES(std::istream&, OBJET_ES*, std::string&) override { return true; }
    std::unique_ptr<OBJET_ES> duplique() const override { return nullptr; }
    bool affecte(const OBJET_ES&) override { return false; }
    bool relisible() const override { return true; }
  } autre;
  EXPECT_FALSE(cible.affecte(autre));
  EXPECT_EQ(ecrit(cible), kFichier) << "a refused assignment changes nothing";
}

}  // namespace
