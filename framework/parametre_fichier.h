// Parameter files by path: parameter trees and "registre.ini". Paths are host
// texts ("\" or "/"). A missing file changes nothing and writes no message:
// the callers decide what it means.
#pragma once
#include <string_view>

#include "framework/parametre.h"

namespace framework {

// Adds the top-level nodes of the file to `liste`. False when the file is
// missing or was not read to its end (the nodes before the problem are kept).
bool lireFichierParametres(std::string_view chemin, int mode, LISTE_PARAMETRES& liste);
// Replaces the file with `liste` in text form.
bool ecrireFichierParametres(std::string_view chemin, const LISTE_PARAMETRES& liste);

// Loads the registered settings from the file; false when it cannot be opened.
bool lireFichierRegistre(std::string_view chemin);
// Replaces the file with every registered setting.
bool ecrireFichierRegistre(std::string_view chemin);

}  // namespace framework
