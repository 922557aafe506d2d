#include "road/epais_structure.h"

#include <algorithm>

#include "road/createurs.h"
#include "road/registre_objets.h"
#include "road/tags.h"

namespace road {

const char* EPAIS_STRUCTURE::symbole(Valeur v) {
  static constexpr const char* kSymboles[kNombreValeurs] = {"EPG-RL", "EPD-RL", "EPG-BA", "EPD-BA",
                                                            "EPG-FD", "EPD-FD", "EPG-FR", "EPD-FR"};
  return v >= 0 && v < kNombreValeurs ? kSymboles[v] : "";
}

const char* EPAIS_STRUCTURE::identifiant() const { return kTagEpaisseurStructure; }

bool EPAIS_STRUCTURE::ecrit(std::ostream& sortie) const {
  sortie << kTagEpaisseurStructure << '\n';
  // One line per course: left then right.
  for (size_t i = 0; i < valeurs_.size(); i += 2) {
    ecritReelOpt(sortie, valeurs_[i]);
    sortie << ' ';
    ecritReelOpt(sortie, valeurs_[i + 1]);
    sortie << '\n';
  }
  return sortie.good();
}

bool EPAIS_STRUCTURE::ES(std::istream& entree, OBJET_ES*, std::string&) {
  for (auto& v : valeurs_)
    if (!lisReelOpt(entree, v)) return false;
  return !entree.fail();
}

std::unique_ptr<OBJET_ES> creeEpaisseurStructure() { return std::make_unique<EPAIS_STRUCTURE>(); }

bool EPAIS_STRUCTURE::relisible() const {
  return std::all_of(valeurs_.begin(), valeurs_.end(),
                     [](const REEL_OPT& v) { return !v.defini || reelRelisible(v.valeur); });
}

}  // namespace road
