// Alignments: the header and its optional trailer, the children read with
// the lookahead scheme, deep copies and the shift of abscissas.
#include <gtest/gtest.h>

#include "outils_axes.h"
#include "road/axe_en_plan.h"
#include "road/axes_en_long.h"
#include "road/construction_profil.h"
#include "road/elements_plan.h"
#include "road/points_axe3d.h"
#include "road/profils_en_travers.h"
#include "road/tabulation.h"
#include "road/tags.h"

namespace road {
namespace {

const std::string kEntete =
    "ID-AXE-EN-PLAN\n"
    "RN7 0.000000 1250.500000 1 PLAN-AXE 12 100.000000 200.000000 0.000000 900.000000 "
    "1100.000000 0.000000 80";
const std::string kElements =
    "ELT-AXE-EN-PLAN\n"
    "D1 0.000000 1 120.500000 C2 120.500000 2 -350.000000\n";
const std::string kAxesEnLong =
    "ID-AXES-EN-LONG\n"
    "PL1 0.000000 3.500000 S1 0.000000 101.250000 0 0.000000 FINLONG\n";
const std::string kPoints3d =
    "PTS-DE-AXE3D\n"
    "0.000000 0.000000 100.000000 200.000000 101.250000 96.500000 200.000000 101.100000 "
    "103.500000 200.000000 101.100000\n"
    "20.000000 0.000000 100.000000 220.000000 101.000000 96.500000 220.000000 100.900000 "
    "103.500000 220.000000 100.900000\n";

class AxeEnPlan : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { enregistreTypes(); }

  // Written, read back and written again: both texts must be the same bytes.
  static std::string allerRetour(const AXE_EN_PLAN& axe) {
    const std::string premier = texteDe(axe);
    AXE_EN_PLAN relu;
    Lecture lecture(relu, premier);
    EXPECT_TRUE(lecture.resultat);
    EXPECT_EQ(texteDe(relu), premier);
    return premier;
  }

  static AXE_EN_PLAN axeSimple() {
    AXE_EN_PLAN axe;
    Lecture lecture(axe, kEntete + "\n");
    EXPECT_TRUE(lecture.resultat);
    return axe;
  }

  static POINT_AXE3D point3d(double abscisse) {
    POINT_AXE3D p;
    p.abscisse = abscisse;
    p.points[1] = {1, 2, 3};
    return p;
  }
};

TEST_F(AxeEnPlan, SansEnfantTientEnDeuxLignesEtSeRelitPareil) {
  AXE_EN_PLAN axe = axeSimple();
  EXPECT_EQ(axe.nom, "RN7");
  EXPECT_EQ(axe.abscisseFin, 1250.5);
  EXPECT_EQ(axe.premierProfil, 1);
  EXPECT_EQ(axe.planConstruction, "PLAN-AXE");
  EXPECT_EQ(axe.nombreElementsDonne, 12);
  EXPECT_EQ(axe.hautDroit[1], 1100.0);
  EXPECT_EQ(axe.vitesseReference, "80");
  EXPECT_FALSE(axe.profilLongActif);
  EXPECT_TRUE(axe.enfants().empty());
  EXPECT_EQ(allerRetour(axe), kEntete + "\n");
}

TEST_F(AxeEnPlan, UnTagApresLaVitesseNeLaissePasDeQueue) {
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete + "\n" + kElements);
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(axe.nombrePointsTabulationLu, 0);
  EXPECT_EQ(axe.nombreProfilsLu, 0);
  EXPECT_EQ(axe.nombrePointsAxe3dLu, 0);
  EXPECT_FALSE(axe.profilLongActif);
  ASSERT_NE(axe.elements(), nullptr);
  EXPECT_EQ(axe.nombreElements(), 2);
  EXPECT_EQ(allerRetour(axe), kEntete + "\n" + kElements);
}

TEST_F(AxeEnPlan, SeulLeGroupeDesPoints3dEstLuSansLesDeuxPremiers) {
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete + " 2\n" + kPoints3d);
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(axe.nombrePointsTabulationLu, 0);
  EXPECT_EQ(axe.nombreProfilsLu, 0);
  EXPECT_EQ(axe.nombreAxesEnLongLu, 0);
  EXPECT_FALSE(axe.profilLongActif);
  EXPECT_EQ(axe.nombrePointsAxe3dLu, 2);
  EXPECT_EQ(axe.nombrePointsAxe3d(), 2);
  EXPECT_EQ(allerRetour(axe), kEntete + " 2\n" + kPoints3d);
}

TEST_F(AxeEnPlan, LeProfilActifSeulEstLuSansLeGroupeDesComptes) {
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete + " 1 PL1\n" + kAxesEnLong);
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(axe.nombrePointsTabulationLu, 0);
  EXPECT_EQ(axe.nombreAxesEnLongLu, 1);
  ASSERT_TRUE(axe.profilLongActif);
  EXPECT_EQ(*axe.profilLongActif, "PL1");
  EXPECT_EQ(axe.nombreAxesEnLong(), 1);
  EXPECT_EQ(allerRetour(axe), kEntete + " 1 PL1\n" + kAxesEnLong);
}

TEST_F(AxeEnPlan, LesComptesDeLaQueueSontCeuxDesEnfants) {
  AXE_EN_PLAN axe = axeSimple();
  // Counts read from a header say nothing about what is written.
  axe.nombrePointsAxe3dLu = 40;
  axe.nombreProfilsLu = 7;
  EXPECT_EQ(texteDe(axe), kEntete + "\n");

  POINT_TABULATION station;
  station.abscisse = 5;
  axe.tabulation(true)->ajoute(station);
  axe.tabulation()->ajoute(station);
  axe.pointsAxe3d(true)->ajoute(point3d(0));
  axe.axesEnLong(true)->ajoute(std::make_unique<UN_AXELONG>("PL1"));
  axe.axesEnLong()->ajoute(std::make_unique<UN_AXELONG>("PL2"));
  axe.profilLongActif = "PL2";

  const std::string texte = allerRetour(axe);
  EXPECT_EQ(texte.substr(0, texte.find('\n', kEntete.size())), kEntete + " 2 0 2 PL2 1");

  AXE_EN_PLAN relu;
  Lecture lecture(relu, texte);
  EXPECT_EQ(relu.nombrePointsTabulationLu, 2);
  EXPECT_EQ(relu.nombreProfilsLu, 0);
  EXPECT_EQ(relu.nombreAxesEnLongLu, 2);
  EXPECT_EQ(relu.profilLongActif, std::optional<std::string>("PL2"));
  EXPECT_EQ(relu.nombrePointsAxe3dLu, 1);
}

TEST_F(AxeEnPlan, ChaqueCombinaisonDeGroupesFaitLAllerRetour) {
  for (int masque = 0; masque < 8; ++masque) {
    SCOPED_TRACE(masque);
    AXE_EN_PLAN axe = axeSimple();
    if (masque & 1) axe.tabulation(true)->ajoute(POINT_TABULATION{});
    if (masque & 2) axe.profilLongActif = "PL9";
    if (masque & 4) axe.pointsAxe3d(true)->ajoute(point3d(3));
    const std::string texte = allerRetour(axe);

    AXE_EN_PLAN relu;
    Lecture lecture(relu, texte);
    EXPECT_EQ(relu.nombrePointsTabulationLu, (masque & 1) ? 1 : 0);
    EXPECT_EQ(relu.profilLongActif.has_value(), (masque & 2) != 0);
    EXPECT_EQ(relu.nombrePointsAxe3dLu, (masque & 4) ? 1 : 0);
    EXPECT_EQ(relu.enfants().size(), axe.enfants().size());
    EXPECT_TRUE(lecture.anticipe.empty());
  }
}

TEST_F(AxeEnPlan, LesTagsSontReconnusSansCasseEtLAxeSuivantEstRendu) {
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete +
                           "\nelt-axe-en-plan\nD1 0 1 2\nId-Axes-En-Long\nPL1 0 1 FINLONG\n"
                           "id-axe-en-plan\nRN8 0 1 1 P 0 0 0 0 0 0 0 50\n");
  EXPECT_TRUE(lecture.resultat);
  ASSERT_EQ(axe.enfants().size(), 2u);
  EXPECT_EQ(axe.enfants()[0]->identifiant(), kTagElementsPlan);
  EXPECT_EQ(axe.enfants()[1]->identifiant(), kTagAxesEnLong);
  // The next alignment's tag goes back to the project as it was spelled.
  EXPECT_EQ(lecture.anticipe, "id-axe-en-plan");
  EXPECT_EQ(axe.trouveEnfant("pts-de-axe3d"), nullptr);
  EXPECT_EQ(axe.trouveEnfant("Elt-Axe-En-Plan"), axe.enfants()[0].get());
}

TEST_F(AxeEnPlan, LesPoints3dSuivisDUnTagLaissentLAxeCreerLEnfantSuivant) {
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete + " 2\n" + kPoints3d + kAxesEnLong + kElements);
  ASSERT_EQ(axe.enfants().size(), 3u);
  EXPECT_EQ(axe.enfants()[0]->identifiant(), kTagPointsAxe3d);
  EXPECT_EQ(axe.enfants()[1]->identifiant(), kTagAxesEnLong);
  EXPECT_EQ(axe.enfants()[2]->identifiant(), kTagElementsPlan);
  EXPECT_EQ(axe.nombrePointsAxe3d(), 2);
  EXPECT_EQ(axe.axesEnLong()->nombre(), 1);
  EXPECT_EQ(allerRetour(axe), kEntete + " 2\n" + kPoints3d + kAxesEnLong + kElements);
}

TEST_F(AxeEnPlan, UnTagInconnuArreteLaLectureEtGardeLesEnfantsLus) {
  CaptureErreurs erreurs;
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete + " 2\n" + kPoints3d + "PROFIL-INCONNU\n" + kAxesEnLong);
  EXPECT_TRUE(lecture.resultat);
  EXPECT_EQ(erreurs.texte(), "AXE_EN_PLAN::ES : objet inconnu <PROFIL-INCONNU>\n");
  ASSERT_EQ(axe.enfants().size(), 1u);
  EXPECT_EQ(axe.nombrePointsAxe3d(), 2);
  // The project takes the rest of the file from here.
  EXPECT_TRUE(lecture.anticipe.empty());
  EXPECT_EQ(lecture.reste(), "\n" + kAxesEnLong);
}

// A kind whose body always fails, to see how the alignment treats it.
class EnfantDefaillant final : public OBJET_ES {
 public:
  static constexpr char kTag[] = "ESSAI-DEFAILLANT";
  const char* identifiant() const override { return kTag; }
  bool ecrit(std::ostream& sortie) const override { return sortie.good(); }
  bool ES(std::istream& entree, OBJET_ES* parent, std::string&) override {
    parent_ = parent;
    std::string mot;
    lisMot(entree, mot);
    return false;
  }
  std::unique_ptr<OBJET_ES> duplique() const override {
    return std::make_unique<EnfantDefaillant>();
  }
  bool affecte(const OBJET_ES&) override { return true; }
  bool relisible() const override { return true; }
  OBJET_ES* parent_ = nullptr;
};

TEST_F(AxeEnPlan, UnEnfantQuiEchoueEstSignaleEtGarde) {
  {
    CaptureErreurs silence;
    if (!REGISTRE_OBJETS::estEnregistre(EnfantDefaillant::kTag))
      REGISTRE_OBJETS::enregistre(EnfantDefaillant::kTag,
                                  [] { return std::unique_ptr<OBJET_ES>(new EnfantDefaillant); });
  }
  CaptureErreurs erreurs;
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete + "\nESSAI-DEFAILLANT x\n" + kElements);
  EXPECT_EQ(erreurs.texte(), "AXE_EN_PLAN::ES Erreur de lecture d'un axe\n");
  ASSERT_EQ(axe.enfants().size(), 2u);
  EXPECT_EQ(static_cast<EnfantDefaillant*>(axe.enfants()[0].get())->parent_, &axe);
  EXPECT_EQ(axe.nombreElements(), 2);
}

TEST_F(AxeEnPlan, UneEnteteTronqueeEchoueSansRienLireDePlus) {
  CaptureErreurs erreurs;
  AXE_EN_PLAN axe;
  Lecture lecture(axe, "ID-AXE-EN-PLAN\nRN7 0.000000 12x5 1 P");
  EXPECT_FALSE(lecture.resultat);
  EXPECT_EQ(axe.nom, "RN7");
  EXPECT_TRUE(axe.enfants().empty());
  EXPECT_TRUE(lecture.anticipe.empty());
}

TEST_F(AxeEnPlan, LesAccesseursCreentAuBesoinEnFinDeListe) {
  AXE_EN_PLAN axe = axeSimple();
  EXPECT_EQ(axe.profils(), nullptr);
  EXPECT_EQ(axe.enfants().size(), 0u);
  ELM_ELMAXEPLAN* elements = axe.elements(true);
  POINTS_AXE3D* points = axe.pointsAxe3d(true);
  ASSERT_NE(elements, nullptr);
  ASSERT_NE(points, nullptr);
  EXPECT_EQ(axe.elements(true), elements);
  ASSERT_EQ(axe.enfants().size(), 2u);
  EXPECT_EQ(axe.enfants()[1].get(), points);
  EXPECT_NE(axe.cubatures(true), nullptr);
  EXPECT_NE(axe.epaisseurs(true), nullptr);
  EXPECT_EQ(axe.enfants().size(), 4u);

  std::unique_ptr<OBJET_ES> retire = axe.retireEnfant(elements);
  EXPECT_EQ(retire.get(), elements);
  EXPECT_EQ(axe.elements(), nullptr);
  EXPECT_EQ(axe.retireEnfant(elements), nullptr);
  EXPECT_EQ(axe.enfants().size(), 3u);
}

TEST_F(AxeEnPlan, DupliquerEtAffecterCopientEnProfondeur) {
  AXE_EN_PLAN source;
  Lecture lecture(source, kEntete + " 1 PL1 2\n" + kAxesEnLong + kPoints3d + kElements);
  std::unique_ptr<OBJET_ES> copie = source.duplique();
  ASSERT_NE(copie, nullptr);
  EXPECT_EQ(texteDe(*copie), texteDe(source));

  auto& axeCopie = static_cast<AXE_EN_PLAN&>(*copie);
  axeCopie.elements()->elements()[0].nom = "X";
  axeCopie.axesEnLong()->profils()[0]->sommets.clear();
  EXPECT_EQ(source.elements()->elements()[0].nom, "D1");
  EXPECT_EQ(source.axesEnLong()->profils()[0]->sommets.size(), 1u);

  AXE_EN_PLAN cible = axeSimple();
  cible.cubatures(true);
  ASSERT_TRUE(cible.affecte(source));
  EXPECT_EQ(texteDe(cible), texteDe(source));
  EXPECT_NE(cible.elements(), source.elements());

  // Another kind is refused and the alignment stays as it was.
  const std::string avant = texteDe(cible);
  EXPECT_FALSE(cible.affecte(ELM_ELMAXEPLAN()));
  EXPECT_EQ(texteDe(cible), avant);
  EXPECT_TRUE(cible.affecte(cible));
  EXPECT_EQ(texteDe(cible), avant);
}

TEST_F(AxeEnPlan, DecalerDeplaceToutesLesAbscissesMaisPasLesElements) {
  AXE_EN_PLAN axe;
  Lecture lecture(axe, kEntete + " 2\n" + kPoints3d + kElements + kAxesEnLong);
  POINT_TABULATION station;
  station.abscisse = 20;
  axe.tabulation(true)->ajoute(station);
  PROFILCONS entree;
  entree.abscisse = 20;
  axe.construction(true)->ajoute(entree);
  auto profil = std::make_unique<UN_PROFIL>();
  profil->abscisse = 20;
  axe.profils(true)->ajoute(std::move(profil));

  axe.decale(-2.5);
  EXPECT_EQ(axe.abscisseDebut, -2.5);
  EXPECT_EQ(axe.abscisseFin, 1248.0);
  EXPECT_EQ(axe.pointsAxe3d()->points()[0].abscisse, -2.5);
  EXPECT_EQ(axe.pointsAxe3d()->points()[1].abscisse, 17.5);
  EXPECT_EQ(axe.pointsAxe3d()->points()[1].points[0][0], 100.0);
  EXPECT_EQ(axe.tabulation()->points()[0].abscisse, 17.5);
  EXPECT_EQ(axe.construction()->entrees()[0].abscisse, 17.5);
  EXPECT_EQ(axe.profils()->profils()[0]->abscisse, 17.5);
  EXPECT_EQ(axe.elements()->elements()[1].valeur1, 120.5);
  EXPECT_EQ(axe.axesEnLong()->profils()[0]->valeur1, 0.0);
}

}  // namespace
}  // namespace road
