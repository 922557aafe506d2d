#include "road/noms_api.h"

#include "road/couche_kind.h"
#include "road/jetons_projet.h"
#include "road/registre_objets.h"
#include "road/tags.h"

namespace road {
namespace {

constexpr size_t kLongueurNomMax = 31;

bool motReserve(std::string_view nom) {
  if (REGISTRE_OBJETS::estEnregistre(nom) || memeMot(nom, kTagDonneesTerrain) ||
      memeMot(nom, kFinLong))
    return true;
  for (const COUCHE_KIND& kind : coucheKinds())
    if (memeMot(nom, kind.motFin)) return true;
  return false;
}

}  // namespace

bool nomAcceptable(std::string_view nom) {
  return nom.size() <= kLongueurNomMax && motRelisible(nom) && !motReserve(nom);
}

}  // namespace road
