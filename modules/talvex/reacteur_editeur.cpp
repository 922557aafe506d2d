#include "talvex/reacteur_editeur.h"

#include <memory>

#include "aced.h"
#include "framework/composant_module.h"
#include "road/fichiers_compagnons.h"
#include "road/registre_objets.h"
#include "update/verification_maj.h"

namespace talvex {
namespace {

// Nothing thrown by the road code may reach the host.
template <class F>
void sansException(F f) noexcept {
  try {
    f();
  } catch (...) {
  }
}

// Forwards the host's notifications to the road project's file handling.
class ReacteurEditeur : public AcEditorReactor {
 public:
  void commandWillStart(const ACHAR* cmdStr) override {
    sansException([&] { road::commandeCommence(cmdStr); });
    // The update check runs once, at the first command after the module was loaded.
    sansException([] { maj::verifieMiseAJour(false); });
  }
  // A WBLOCK or EXPORT that is cancelled or fails ends too: left set, the flag
  // would keep the next SAVEAS from carrying the project along.
  void commandEnded(const ACHAR*) override { road::commandeTerminee(); }
  void commandCancelled(const ACHAR*) override { road::commandeTerminee(); }
  void commandFailed(const ACHAR*) override { road::commandeTerminee(); }
  void beginSave(AcDbDatabase*, const ACHAR*) override {
    sansException([] { road::sauvegardeCommence(); });
  }
  void saveComplete(AcDbDatabase*, const ACHAR* actualName) override {
    sansException([&] { road::sauvegardeTerminee(actualName); });
  }
};

std::unique_ptr<ReacteurEditeur>& reacteur() {
  static std::unique_ptr<ReacteurEditeur> r;
  return r;
}

framework::COMPOSANT_MODULE composant(demarreReacteurEditeur, arreteReacteurEditeur);

}  // namespace

bool demarreReacteurEditeur() {
  // The record kinds are known before any project is read.
  road::REGISTRE_OBJETS::enregistreTout();
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
