#include "road/tabulation.h"

#include <algorithm>
#include <cmath>

#include "framework/error_stream.h"
#include "road/createurs.h"
#include "road/jetons_projet.h"
#include "road/rapport_lecture.h"
#include "road/registre_objets.h"
#include "road/tags.h"

namespace road {

const char* TABLE_TABULATION::identifiant() const { return kTagPointsTabulation; }

bool TABLE_TABULATION::ecrit(std::ostream& sortie) const {
  sortie << kTagPointsTabulation << '\n';
  for (const auto& p : points_)
    sortie << p.x << ' ' << p.y << ' ' << p.z << ' ' << p.abscisse << ' ' << p.kind << ' '
           << p.valeur1 << ' ' << p.valeur2 << '\n';
  return sortie.good();
}

bool TABLE_TABULATION::ES(std::istream& entree, OBJET_ES*, std::string&) {
  points_.clear();
  while (debutNombre(regardeSuivant(entree))) {
    POINT_TABULATION p;
    const bool lu = lisReel(entree, p.x) && lisReel(entree, p.y) && lisReel(entree, p.z) &&
                    lisReel(entree, p.abscisse) && lisEntier(entree, p.kind) &&
                    lisReel(entree, p.valeur1) && lisReel(entree, p.valeur2);
    if (!lu) {
      erreurLecture("Erreur de lecture d'un pt de tabulation");
      // The station is kept, but nothing half-read stays in its key fields.
      p.abscisse = 0;
      p.kind = 0;
      p.valeur1 = 0;
      p.valeur2 = 0;
    }
    points_.push_back(p);
  }
  return !entree.fail();
}

const POINT_TABULATION* TABLE_TABULATION::trouve(double abscisse) const {
  for (const auto& p : points_)
    if (std::fabs(p.abscisse - abscisse) < kToleranceTabulation) return &p;
  return nullptr;
}

void TABLE_TABULATION::decale(double distance) {
  for (auto& p : points_) p.abscisse += distance;
}

std::unique_ptr<OBJET_ES> creePointsTabulation() { return std::make_unique<TABLE_TABULATION>(); }

bool TABLE_TABULATION::relisible() const {
  return std::all_of(points_.begin(), points_.end(), [](const POINT_TABULATION& p) {
    return reelRelisible(p.x) && reelRelisible(p.y) && reelRelisible(p.z) &&
           reelRelisible(p.abscisse) && reelRelisible(p.valeur1) && reelRelisible(p.valeur2);
  });
}

}  // namespace road
