#include "road/elements_plan.h"

#include <algorithm>
#include <climits>

#include "framework/error_stream.h"
#include "road/createurs.h"
#include "road/jetons_projet.h"
#include "road/rapport_lecture.h"
#include "road/registre_objets.h"
#include "road/tags.h"

namespace road {

const char* ELM_ELMAXEPLAN::identifiant() const { return kTagElementsPlan; }

bool ELM_ELMAXEPLAN::ecrit(std::ostream& sortie) const {
  sortie << kTagElementsPlan << '\n';
  const char* separateur = "";
  for (const ELEMENT_PLAN& e : elements_) {
    sortie << separateur << e.nom << ' ' << e.valeur1 << ' ' << e.entier << ' ' << e.valeur2;
    separateur = " ";
  }
  sortie << '\n';
  return sortie.good();
}

bool ELM_ELMAXEPLAN::ES(std::istream& entree, OBJET_ES*, std::string& anticipe) {
  elements_.clear();
  std::string mot;
  // A failed read leaves the stream failed, so the next word ends the loop.
  bool encore = lisMot(entree, mot);
  while (encore) {
    if (REGISTRE_OBJETS::estEnregistre(mot)) {
      anticipe = mot;
      break;
    }
    ELEMENT_PLAN e;
    e.nom = mot;
    if (!(lisReel(entree, e.valeur1) && lisEntier(entree, e.entier) && lisReel(entree, e.valeur2)))
      erreurLecture("ELM_ELMAXEPLAN::ES Erreur de lecture d'un elm");
    elements_.push_back(std::move(e));
    encore = lisMot(entree, mot);
  }
  return true;
}

int32_t ELM_ELMAXEPLAN::nombre() const {
  return elements_.size() > INT32_MAX ? INT32_MAX : static_cast<int32_t>(elements_.size());
}

std::unique_ptr<OBJET_ES> creeElementsPlan() { return std::make_unique<ELM_ELMAXEPLAN>(); }

bool ELM_ELMAXEPLAN::relisible() const {
  return std::all_of(elements_.begin(), elements_.end(), [](const ELEMENT_PLAN& e) {
    return nomRelisible(e.nom) && reelRelisible(e.valeur1) && reelRelisible(e.valeur2);
  });
}

}  // namespace road
