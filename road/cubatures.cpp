#include "road/cubatures.h"

#include <algorithm>

#include "framework/error_stream.h"
#include "road/createurs.h"
#include "road/rapport_lecture.h"
#include "road/tags.h"

namespace road {

std::unique_ptr<OBJET_ES> creeCubatures() { return std::make_unique<TABLE_CUBATURES>(); }

const char* TABLE_CUBATURES::identifiant() const { return kTagCubatures; }

bool TABLE_CUBATURES::ecrit(std::ostream& sortie) const {
  sortie << kTagCubatures << '\n';
  for (const LIGNE_CUBE& l : lignes_) {
    sortie << l.abscisse;
    for (const REEL_OPT& v : l.valeurs) {
      sortie << ' ';
      ecritReelOpt(sortie, v);
    }
    sortie << '\n';
  }
  return sortie.good();
}

bool TABLE_CUBATURES::ES(std::istream& entree, OBJET_ES*, std::string&) {
  lignes_.clear();
  bool ok = true;
  // Each turn consumes at least the number start it saw, or stops.
  while (debutNombre(regardeSuivant(entree))) {
    LIGNE_CUBE ligne;
    bool lu = lisReel(entree, ligne.abscisse);
    for (REEL_OPT& v : ligne.valeurs) lu = lu && lisReelOpt(entree, v);
    lignes_.push_back(ligne);
    if (!lu) {
      erreurLecture("Erreur de lecture d'un cube");
      ok = false;
      break;
    }
  }
  return ok;
}

bool TABLE_CUBATURES::relisible() const {
  return std::all_of(lignes_.begin(), lignes_.end(), [](const LIGNE_CUBE& l) {
    return reelRelisible(l.abscisse) &&
           std::all_of(l.valeurs.begin(), l.valeurs.end(),
                       [](const REEL_OPT& v) { return !v.defini || reelRelisible(v.valeur); });
  });
}

}  // namespace road
