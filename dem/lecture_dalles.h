// One pass over the data files "alti1" to "alti19" of the data directory:
// the grid cleared and filled for a window, with the lines the host shows.
#pragma once
#include <functional>
#include <string>

#include "dem/dalle.h"

namespace dem {

using Journal = std::function<void(const std::string&)>;

constexpr int kNombreDalles = 19;

// prefixe + "alti" + n + "." + extension.
std::string nomDalle(const std::string& prefixe, int n, const std::string& extension);

BilanPasse remplirGrille(const std::string& prefixe, const std::string& extension,
                         const Coins& coins, GrilleAltitudes& grille, const Journal& dire);

// Whether the file can be opened for reading.
bool lisible(const std::string& chemin);

}  // namespace dem
