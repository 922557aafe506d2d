#include "road/synchronisation_tabulation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/error_stream.h"
#include "framework/liste_resbuf.h"
#include "framework/valeurs_lisp.h"
#include "road/abscisses.h"
#include "road/articles_lisp.h"
#include "road/axe_en_plan.h"
#include "road/construction_profil.h"
#include "road/points_axe3d.h"
#include "road/profils_en_travers.h"
#include "road/tabulation.h"

namespace road {
namespace {

// The abscissas of the stations that carry a cross-section, sorted.
std::vector<double> abscissesAvecProfil(const TABLE_TABULATION* table) {
  std::vector<double> abscisses;
  if (!table) return abscisses;
  for (const auto& p : table->points())
    if (p.kind != kKindSansProfil) abscisses.push_back(p.abscisse);
  std::sort(abscisses.begin(), abscisses.end());
  return abscisses;
}

bool contientProche(const std::vector<double>& triees, double abscisse) {
  auto ici = std::lower_bound(triees.begin(), triees.end(), abscisse - kToleranceTabulation);
  return ici != triees.end() && std::fabs(*ici - abscisse) < kToleranceTabulation;
}

// The stations of `source` (kind -5 aside) that `autre` does not hold.
std::vector<double> stationsAbsentes(const TABLE_TABULATION* source,
                                     const TABLE_TABULATION* autre) {
  std::vector<double> absentes;
  if (!source) return absentes;
  const std::vector<double> connues = abscissesAvecProfil(autre);
  for (const auto& p : source->points())
    if (p.kind != kKindSansProfil && !contientProche(connues, p.abscisse))
      absentes.push_back(p.abscisse);
  return absentes;
}

int lisEntierSymbole(const char* nom, int defaut) {
  int drapeau = 1;
  int valeur = defaut;
  if (!framework::lisVariable(nom, valeur, &drapeau, framework::kSymboleLisp)) return defaut;
  return valeur;
}

framework::ListeResbuf lisListeSymbole(const char* nom) {
  int drapeau = 1;
  return framework::ListeResbuf(
      framework::lisVariableListe(nom, &drapeau, framework::kSymboleLisp));
}

}  // namespace

std::unique_ptr<TABLE_TABULATION> remplaceTabulation(AXE_EN_PLAN& axe, const resbuf* ltabul) {
  std::unique_ptr<TABLE_TABULATION> precedente;
  if (TABLE_TABULATION* ancienne = axe.tabulation()) {
    precedente.reset(static_cast<TABLE_TABULATION*>(axe.retireEnfant(ancienne).release()));
  }
  auto table = std::make_unique<TABLE_TABULATION>();
  for (const auto& a : articlesListe(ltabul)) {
    POINT_TABULATION p;
    p.x = a.reel(0);
    p.y = a.reel(1);
    p.z = a.reel(2);
    p.abscisse = a.reel(3);
    p.kind = a.entier(4);
    p.valeur1 = a.reel(5);
    p.valeur2 = a.reel(6);
    table->ajoute(p);
  }
  axe.ajouteEnfant(std::move(table));
  return precedente;
}

void synchroniseTabulation(AXE_EN_PLAN& axe, const TABLE_TABULATION* precedente) {
  const TABLE_TABULATION* nouvelle = axe.tabulation();
  if (!nouvelle) return;
  const std::vector<double> ajoutees = stationsAbsentes(nouvelle, precedente);
  const std::vector<double> retirees = stationsAbsentes(precedente, nouvelle);

  // The 3D axis points were computed on the old stations.
  if (POINTS_AXE3D* points = axe.pointsAxe3d()) axe.retireEnfant(points);

  // A removed station takes its own section and construction entry, not
  // those of a kept station closer than the tolerance.
  PROFILS_EN_TRAVERS& profils = *axe.profils(true);
  for (double a : retirees) {
    const auto ici = positionPlusProche(profils.profils(), a, kToleranceProfil,
                                        [](const auto& p) { return p->abscisse; });
    if (ici) profils.retire(profils.profils()[*ici].get());
  }
  for (double a : ajoutees) {
    auto profil = std::make_unique<UN_PROFIL>();
    profil->abscisse = a;
    profils.insere(std::move(profil));
  }

  CONSTRUCTION_PROFIL& construction = *axe.construction(true);
  for (double a : retirees) {
    const auto ici = positionPlusProche(construction.entrees(), a, kToleranceProfil,
                                        [](const PROFILCONS& e) { return e.abscisse; });
    if (ici) construction.retire(*ici);
  }
  for (double a : ajoutees) {
    PROFILCONS entree;
    entree.abscisse = a;
    construction.insere(std::move(entree));
  }
}

void rechargeConstruction(AXE_EN_PLAN& axe, const resbuf* lptCons) {
  CONSTRUCTION_PROFIL& construction = *axe.construction(true);
  construction.vide();
  for (const auto& a : articlesListe(lptCons)) {
    PROFILCONS entree;
    entree.abscisse = a.reel(0);
    for (size_t i = 0; i < entree.entiers.size(); ++i) entree.entiers[i] = a.entier(1 + i);
    entree.numero = a.texte(7);
    construction.insere(std::move(entree));
  }
}

bool renumeroteConstruction(AXE_EN_PLAN& axe) {
  CONSTRUCTION_PROFIL* construction = axe.construction();
  if (!construction) {
    framework::fluxErreur() << "EcritureTabulation: consprof inconnu" << std::endl;
    return false;
  }
  construction->renumerote(axe.premierProfil, lisEntierSymbole("PAS-NPRO", 1));
  return true;
}

bool miseAJourTabulation(AXE_EN_PLAN& axe, SUITE_TABULATION suite) {
  // Read as the callers expect, though the tables give the counts.
  lisEntierSymbole("NB-PTAB", 0);
  lisEntierSymbole("NB-PT", 0);
  {
    const framework::ListeResbuf ltabul = lisListeSymbole("LTABUL");
    const auto precedente = remplaceTabulation(axe, ltabul.get());
    synchroniseTabulation(axe, precedente.get());
  }
  if (suite == SUITE_TABULATION::Renumerotation) return renumeroteConstruction(axe);
  const framework::ListeResbuf lptCons = lisListeSymbole("LPT-CONS");
  rechargeConstruction(axe, lptCons.get());
  return true;
}

}  // namespace road
