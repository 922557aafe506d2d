// The handler table of the selection walk: for each entity kind, the
// function that reads its groups and calls the reader's operation.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/lecteur_entites.h"

namespace framework {

struct GESTIONNAIRE_OBJET {
  const char* nom;
  int32_t bit;
  // `liste` is the entity's data list, its name (-1) included.
  int (*traite)(LECTEUR_ENTITES& lecteur, const resbuf* liste);
};

std::span<const GESTIONNAIRE_OBJET> gestionnairesObjets();
// By type name, case-insensitive; nullptr for a kind the walk does not know.
const GESTIONNAIRE_OBJET* trouveGestionnaire(std::string_view nom);

}  // namespace framework
