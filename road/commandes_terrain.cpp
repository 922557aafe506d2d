#include "road/commandes_terrain.h"

#include "road/dialogues_terrain.h"
#include "road/projet_talvex.h"

namespace road {

resbuf* ihmzlimite(int32_t) {
  auto projet = PROJETTALVEX::ouvre(std::nullopt, 0);
  dialogueAltitudes(*projet, -1);
  // Saved whatever the answer: the file is rewritten even after "Annuler".
  projet->sauve();
  return nullptr;
}

resbuf* ihmcc(int32_t) {
  auto projet = PROJETTALVEX::ouvre(std::nullopt, 0);
  framework::LISTE_PARAMETRES calques = projet->calques3d();
  if (dialogueCalques3d(calques)) {
    projet->remplaceCalques3d(calques);
    projet->sauve();
  }
  return nullptr;
}

}  // namespace road
