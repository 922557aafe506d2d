// The stations through "ecri_info_1" and "ecri_info_2", then a cross-section
// written through "ecri_info_8" and the 3D axis points through "ecri_info_4".
#include "road/tabulation.h"
#include "api_essai.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/points_axe3d.h"
#include "road/profils_en_travers.h"

namespace {

class Tabulation : public ApiEssai {
 protected:
  void SetUp() override {
    ApiEssai::SetUp();
    creeAxe("A1");
    lisp(
        "(setq NB-PTAB 2 NB-PT 2 PAS-NPRO 10"
        " LTABUL '((0.0 0.0 0.0 0.0 1 0.0 0.0) (0.0 0.0 0.0 25.0 1 0.0 0.0)))");
    appelle(road::EcritureTabulation, "\"A1\"");
  }
};

TEST_F(Tabulation, EcritureAjouteProfilsEtNumerote) {
  const auto projet = relu();
  const road::AXE_EN_PLAN& axe = *projet->trouveAxe("A1");
  ASSERT_NE(axe.tabulation(), nullptr);
  EXPECT_EQ(axe.tabulation()->nombre(), 2u);
  ASSERT_NE(axe.profils(), nullptr);
  EXPECT_EQ(axe.profils()->nombre(), 2u);
  ASSERT_NE(axe.construction(), nullptr);
  ASSERT_EQ(axe.construction()->nombre(), 2u);
  EXPECT_EQ(axe.construction()->entrees()[1].numero, "11");
}

TEST_F(Tabulation, ModifRechargeLaConstruction) {
  lisp(
      "(setq LTABUL '((0.0 0.0 0.0 25.0 1 0.0 0.0) (0.0 0.0 0.0 50.0 1 0.0 0.0))"
      " LPT-CONS '((50.0 1 2 3 4 5 6 \"P50\") (25.0 0 0 0 0 0 0 \"P25\")))");
  appelle(road::ModifTabulation, "\"A1\"");
  const auto projet = relu();
  const road::AXE_EN_PLAN& axe = *projet->trouveAxe("A1");
  EXPECT_EQ(axe.profils()->nombre(), 2u);
  EXPECT_EQ(axe.profils()->trouve(0.0), nullptr);
  EXPECT_NE(axe.profils()->trouve(50.0), nullptr);
  ASSERT_EQ(axe.construction()->nombre(), 2u);
  EXPECT_EQ(axe.construction()->entrees()[0].numero, "P25");
  EXPECT_EQ(axe.construction()->entrees()[1].entiers[5], 6);
}

TEST_F(Tabulation, ProfilEnTraversEtSesCouches) {
  lisp(
      "(setq ABSIPRO 25.0005 HANDPRO \"1F\" EP-DECAP 0.3 PM-DECAP 0.1"
      " LPT-TN '((\"G\" 1.0 2.0 3.0) (nil 4.0 5.0 6.0)) LPT-TV '((1.0 1.0 1.0) (2.0 2.0 2.0) 3))");
  videLigne();
  appelle(road::ModifPT, "\"A1\" 0");
  EXPECT_FALSE(ligneContient("indefinie"));
  const auto projet = relu();
  const road::UN_PROFIL* profil = projet->trouveAxe("A1")->profils()->trouve(25.0);
  ASSERT_NE(profil, nullptr);
  EXPECT_EQ(profil->handle, "1F");
  EXPECT_DOUBLE_EQ(profil->epaisseurDecapage, 0.3);
  ASSERT_EQ(profil->couches().size(), 2u);
  EXPECT_EQ(profil->couches()[0].points()[1].nom, "nil");
  EXPECT_EQ(profil->couches()[1].points().size(), 2u);

  lisp("(setq ABSIPRO 30.0)");
  videLigne();
  appelle(road::ModifPT, "\"A1\" 0");
  EXPECT_TRUE(ligneContient("ModifPT: La tabulation est inconnue\n"));
  lisp("(setq ABSIPRO 25.0 HANDPRO \"H1234567890123456789012345678901\")");
  const std::string avant = texteProjet();
  appelle(road::ModifPT, "\"A1\" 0");
  EXPECT_TRUE(ligneContient("ModifPT: parametres incorrects\n"));
  EXPECT_EQ(texteProjet(), avant);
}

TEST_F(Tabulation, PointsAxe3dRangesParAbscisse) {
  lisp("(setq LAXE3D '((20.0 1.0 0 0 0 0 0 0 0 0 0) (5.0 2.0 0 0 0 0 0 0 0 0 9.5)))");
  appelle(road::CreationAxe3D, "\"A1\" 0");
  const auto projet = relu();
  const auto& points = projet->trouveAxe("A1")->pointsAxe3d()->points();
  ASSERT_EQ(points.size(), 2u);
  EXPECT_DOUBLE_EQ(points[0].abscisse, 5.0);
  EXPECT_DOUBLE_EQ(points[0].points[2][2], 9.5);
}

}  // namespace
