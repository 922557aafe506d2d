// What Dremet keeps while it is loaded: the window, the data directory and
// extension, the colour bands and their stepping, and the altitude grid.
#pragma once
#include <string>

#include "dem/bandes_couleur.h"
#include "dem/fenetre.h"
#include "dem/grille_altitudes.h"

namespace dem {

struct EtatDremet {
  Coins fenetre;
  bool fenetreDefinie = false;
  TailleFenetre taille;
  // Kept whole, whatever their length.
  std::string repertoire = "T:/grd04/alti";
  std::string extension = "z";
  TableBandes bandes{};
  PasAltitude pasAltitude;
  GrilleAltitudes grille;
};

EtatDremet& etatDremet();

}  // namespace dem
