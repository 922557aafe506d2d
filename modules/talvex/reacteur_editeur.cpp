#include "talvex/reacteur_editeur.h"

#include <memory>

#include "aced.h"
#include "framework/composant_module.h"

namespace talvex {
namespace {

class ReacteurEditeur : public AcEditorReactor {};

std::unique_ptr<ReacteurEditeur>& reacteur() {
  static std::unique_ptr<ReacteurEditeur> r;
  return r;
}

framework::COMPOSANT_MODULE composant(demarreReacteurEditeur, arreteReacteurEditeur);

}  // namespace

bool demarreReacteurEditeur() {
  if (!reacteur()) {
    reacteur() = std::make_unique<ReacteurEditeur>();
    acedEditor->addReactor(reacteur().get());
  }
  return true;
}

void arreteReacteurEditeur() {
  if (!reacteur()) return;
  acedEditor->removeReactor(reacteur().get());
  reacteur().reset();
}

}  // namespace talvex
