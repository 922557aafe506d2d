// The tabulation update of an alignment: the cross-sections and construction
// entries follow the stations, the 3D axis points are dropped, and the
// construction table is renumbered or reloaded from the LISP symbols.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "acedads.h"
#include "core/session.h"
#include "essai_sections.h"
#include "framework/liste_resbuf.h"
#include "road/axe_en_plan.h"
#include "road/construction_profil.h"
#include "road/points_axe3d.h"
#include "road/profils_en_travers.h"
#include "road/registre_objets.h"
#include "road/synchronisation_tabulation.h"
#include "road/tabulation.h"

namespace {

using framework::ListeResbuf;
using road::SUITE_TABULATION;

struct Station {
  double abscisse;
  int kind;
};

ListeResbuf ltabul(const std::vector<Station>& stations) {
  ListeResbuf liste(acutNewRb(RTLB));
  for (const auto& s : stations)
    liste.ajoute(acutBuildList(RTLB, RTREAL, 100.0, RTREAL, 200.0 + s.abscisse, RTREAL, 9.5, RTREAL,
                               s.abscisse, RTSHORT, s.kind, RTREAL, 1.5, RTREAL, -2.5, RTLE, 0));
  liste.ajoute(acutNewRb(RTLE));
  return liste;
}

class Synchronisation : public ::testing::Test {
 protected:
  void SetUp() override {
    host::session().newDocument("sections.dwg");
    axe_.premierProfil = 10;
  }

  // Replaces the stations and synchronises; answers the previous table's size.
  size_t tabule(const std::vector<Station>& stations) {
    const ListeResbuf liste = ltabul(stations);
    auto precedente = road::remplaceTabulation(axe_, liste.get());
    road::synchroniseTabulation(axe_, precedente.get());
    return precedente ? precedente->nombre() : 0;
  }

  void ajoutePointsAxe3d() {
    road::POINT_AXE3D p;
    p.abscisse = 5;
    axe_.pointsAxe3d(true)->ajoute(p);
  }

  std::vector<double> abscissesProfils() {
    std::vector<double> a;
    for (const auto& p : axe_.profils(true)->profils()) a.push_back(p->abscisse);
    return a;
  }
  std::vector<double> abscissesConstruction() {
    std::vector<double> a;
    for (const auto& e : axe_.construction(true)->entrees()) a.push_back(e.abscisse);
    return a;
  }

  static void metSymbole(const char* nom, const ListeResbuf& valeur) {
    ASSERT_EQ(acedPutSym(nom, valeur.get()), RTNORM);
  }

  road::AXE_EN_PLAN axe_;
};

TEST_F(Synchronisation, FirstTabulationMakesEmptySectionsExceptKindMinus5) {
  ajoutePointsAxe3d();
  EXPECT_EQ(tabule({{0, 1}, {10, -5}, {20, 2}}), 0u);

  const road::TABLE_TABULATION* t = axe_.tabulation();
  ASSERT_NE(t, nullptr);
  ASSERT_EQ(t->nombre(), 3u);
  const auto& p = t->points()[2];
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 220);
  EXPECT_EQ(p.z, 9.5);
  EXPECT_EQ(p.abscisse, 20);
  EXPECT_EQ(p.kind, 2);
  EXPECT_EQ(p.valeur1, 1.5);
  EXPECT_EQ(p.valeur2, -2.5);

  EXPECT_EQ(abscissesProfils(), (std::vector<double>{0, 20}));
  const road::UN_PROFIL& nouveau = *axe_.profils()->profils()[1];
  EXPECT_EQ(nouveau.handle, "nil");
  EXPECT_EQ(nouveau.epaisseurDecapage, 0);
  EXPECT_TRUE(nouveau.couches().empty());
  EXPECT_EQ(abscissesConstruction(), (std::vector<double>{0, 20}));
  EXPECT_FALSE(axe_.construction()->entrees()[0].numero);
  EXPECT_EQ(axe_.pointsAxe3d(), nullptr) << "the 3D points depended on the old stations";
}

TEST_F(Synchronisation, SameStationsWithinOneMicronChangeNothingButThe3dPoints) {
  tabule({{0, 1}, {20, 2}});
  axe_.profils()->trouve(20)->handle = "H20";
  axe_.construction()->trouve(20)->numero = "7";
  ajoutePointsAxe3d();

  EXPECT_EQ(tabule({{0.0000005, 1}, {19.9999995, 3}}), 2u);
  EXPECT_EQ(abscissesProfils(), (std::vector<double>{0, 20}));
  EXPECT_EQ(axe_.profils()->trouve(20)->handle, "H20");
  EXPECT_EQ(axe_.construction()->trouve(20)->numero, "7");
  EXPECT_EQ(axe_.pointsAxe3d(), nullptr);
  EXPECT_EQ(axe_.tabulation()->points()[1].abscisse, 19.9999995);
}

TEST_F(Synchronisation, StationTurnedToKindMinus5LosesItsSection) {
  tabule({{0, 1}, {20, 2}, {40, 1}});
  tabule({{0, 1}, {20, -5}, {40, 1}, {60, 1}});
  EXPECT_EQ(abscissesProfils(), (std::vector<double>{0, 40, 60}));
  EXPECT_EQ(abscissesConstruction(), (std::vector<double>{0, 40, 60}));
  tabule({{0, 1}, {20, 1}});
  EXPECT_EQ(abscissesProfils(), (std::vector<double>{0, 20}));
}

// Stations 0.0005 apart are two stations for the tabulation (1e-6), but one
// for the section lookup (0.001): removing the second takes the first's section.
TEST_F(Synchronisation, CloseStationsUseTheTwoTolerances) {
  tabule({{10, 1}, {10.0005, 1}});
  EXPECT_EQ(abscissesProfils(), (std::vector<double>{10, 10.0005}));
  EXPECT_EQ(abscissesConstruction(), (std::vector<double>{10, 10.0005}));
  // The removed station takes its own section and entry, not those of the
  // station that stays.
  tabule({{10, 1}});
  EXPECT_EQ(abscissesProfils(), (std::vector<double>{10}));
  EXPECT_EQ(abscissesConstruction(), (std::vector<double>{10}));
}

TEST_F(Synchronisation, ListEndsAtTheFirstItemThatIsNotASubList) {
  ListeResbuf liste(acutBuildList(RTLB, RTLB, RTREAL, 1.0, RTREAL, 2.0, RTLE, RTREAL, 5.0, RTLB,
                                  RTREAL, 1.0, RTLE, RTLE, 0));
  auto precedente = road::remplaceTabulation(axe_, liste.get());
  EXPECT_FALSE(precedente);
  ASSERT_EQ(axe_.tabulation()->nombre(), 1u);
  EXPECT_EQ(axe_.tabulation()->points()[0].y, 2);
  EXPECT_EQ(axe_.tabulation()->points()[0].abscisse, 0) << "missing positions read as 0";

  road::remplaceTabulation(axe_, nullptr);
  EXPECT_EQ(axe_.tabulation()->nombre(), 0u);
  size_t tables = 0;
  for (const auto& enfant : axe_.enfants())
    tables += road::memeMot(enfant->identifiant(), "PTS-DE-TABULATION");
  EXPECT_EQ(tables, 1u) << "the old table is taken out, not left beside the new one";
}

TEST_F(Synchronisation, NothingHappensWithoutTabulation) {
  road::synchroniseTabulation(axe_, nullptr);
  EXPECT_EQ(axe_.profils(), nullptr);
  EXPECT_EQ(axe_.construction(), nullptr);
}

TEST_F(Synchronisation, RenumberingWithAndWithoutStep) {
  metSymbole("LTABUL", ltabul({{0, 1}, {10, 1}, {15, -5}, {20, 1}}));
  {
    CaptureErreurs erreurs;  // PAS-NPRO unset: reported as undefined, step 1
    EXPECT_TRUE(road::miseAJourTabulation(axe_, SUITE_TABULATION::Renumerotation));
  }
  std::string numeros;
  for (const auto& e : axe_.construction()->entrees()) numeros += *e.numero + " ";
  EXPECT_EQ(numeros, "10 11 12 ");

  metSymbole("PAS-NPRO", ListeResbuf(acutBuildList(RTSHORT, 2, 0)));
  EXPECT_TRUE(road::miseAJourTabulation(axe_, SUITE_TABULATION::Renumerotation));
  numeros.clear();
  for (const auto& e : axe_.construction()->entrees()) numeros += *e.numero + " ";
  EXPECT_EQ(numeros, "10 12 14 ");
}

TEST_F(Synchronisation, RenumberingWithoutConstructionTable) {
  CaptureErreurs erreurs;
  EXPECT_FALSE(road::renumeroteConstruction(axe_));
  EXPECT_EQ(erreurs.texte(), "EcritureTabulation: consprof inconnu\n");
}

TEST_F(Synchronisation, ReloadingFromLptCons) {
  metSymbole("LTABUL", ltabul({{0, 1}, {30, 1}}));
  metSymbole("LPT-CONS",
             ListeResbuf(acutBuildList(RTLB, RTLB, RTREAL, 30.0, RTSHORT, 1, RTSHORT, 2, RTSHORT, 3,
                                       RTSHORT, 4, RTSHORT, 5, RTSHORT, 6, RTSTR, "P2", RTLE, RTLB,
                                       RTREAL, 0.0, RTSHORT, 0, RTSHORT, 0, RTSHORT, 0, RTSHORT, 0,
                                       RTSHORT, 0, RTSHORT, -1, RTSTR, "P1", RTLE, RTSTR, "fin",
                                       RTLB, RTREAL, 99.0, RTLE, RTLE, 0)));
  EXPECT_TRUE(road::miseAJourTabulation(axe_, SUITE_TABULATION::Rechargement));
  const auto& entrees = axe_.construction()->entrees();
  ASSERT_EQ(entrees.size(), 2u);
  EXPECT_EQ(entrees[0].numero, "P1");
  EXPECT_EQ(entrees[0].entiers[5], -1);
  EXPECT_EQ(entrees[1].abscisse, 30);
  EXPECT_EQ(entrees[1].entiers, (std::array<int32_t, 6>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(axe_.tabulation()->nombre(), 2u);
  EXPECT_EQ(abscissesProfils(), (std::vector<double>{0, 30}));
}

}  // namespace
