// Import of the 3D layers of a requirements file (".cch", cahier des charges): the layer lines
// are those between its third and fourth separators (lines starting with
// "/", a run of them counting as one).
#pragma once
#include <istream>
#include <string>

#include "framework/parametre.h"

namespace road {

// Longest line taken from a ".cch" file; longer lines are cut there.
constexpr size_t kLongueurLigneCch = 359;

// Empties `calques` then adds the layer of every layer line.
void importeCch(std::istream& entree, framework::LISTE_PARAMETRES& calques);
// The same on a file; false (list emptied) when it cannot be opened.
bool importeFichierCch(const std::string& chemin, framework::LISTE_PARAMETRES& calques);
// Asks for the file with the host's file dialog, then imports it; the list is
// emptied even when no file is chosen.
bool demandeEtImporteCch(framework::LISTE_PARAMETRES& calques);

}  // namespace road
