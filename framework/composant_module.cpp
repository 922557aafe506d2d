#include "framework/composant_module.h"

namespace framework {
namespace {

COMPOSANT_MODULE*& tete() {
  static COMPOSANT_MODULE* t = nullptr;
  return t;
}

}  // namespace

// Linked without walking the list: during static initialisation the other
// components may live in files not yet set up, and a new one is in no list.
COMPOSANT_MODULE::COMPOSANT_MODULE(Demarrage demarre, Arret arrete)
    : demarre_(demarre), arrete_(arrete), suivant_(tete()) {
  tete() = this;
}

void ajouteComposant(COMPOSANT_MODULE* composant) {
  for (COMPOSANT_MODULE* c = tete(); c; c = c->suivant())
    if (c == composant) return;
  composant->suivant_ = tete();
  tete() = composant;
}

bool demarreComposants() {
  bool ok = true;
  for (COMPOSANT_MODULE* c = tete(); c; c = c->suivant())
    if (c->demarre_ && !c->demarre_()) ok = false;
  return ok;
}

void arreteComposants() {
  for (COMPOSANT_MODULE* c = tete(); c; c = c->suivant())
    if (c->arrete_) c->arrete_();
}

}  // namespace framework
