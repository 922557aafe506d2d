#include "road/import_cch.h"

#include <cstdlib>
#include <fstream>

#include "acedads.h"
#include "road/copie_fichiers.h"
#include "road/reglages_terrain.h"

namespace road {
namespace {

// One line, cut to kLongueurLigneCch characters (the rest is skipped); false
// at the end of the input or on a read error.
bool lisLigne(std::istream& entree, std::string& ligne) {
  ligne.clear();
  auto* tampon = entree.rdbuf();
  if (!entree.good() || !tampon) return false;
  bool lu = false;
  for (;;) {
    const int c = tampon->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      entree.setstate(std::ios::eofbit);
      break;
    }
    lu = true;
    if (c == '\n') break;
    if (ligne.size() < kLongueurLigneCch) ligne.push_back(static_cast<char>(c));
  }
  if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
  return lu;
}

std::string_view premierMot(std::string_view ligne) {
  size_t debut = 0;
  while (debut < ligne.size() && static_cast<unsigned char>(ligne[debut]) <= ' ') ++debut;
  size_t fin = debut;
  while (fin < ligne.size() && static_cast<unsigned char>(ligne[fin]) > ' ') ++fin;
  return ligne.substr(debut, fin - debut);
}

}  // namespace

void importeCch(std::istream& entree, framework::LISTE_PARAMETRES& calques) {
  calques.clear();
  int separateurs = 0;
  bool dansSeparateur = false;
  std::string ligne;
  while (separateurs < 4 && lisLigne(entree, ligne)) {
    if (!ligne.empty() && ligne[0] == '/') {
      if (!dansSeparateur) ++separateurs;
      dansSeparateur = true;
      continue;
    }
    dansSeparateur = false;
    // The number after the name belongs to the program that writes the file.
    if (separateurs == 3) ajouteCalque(calques, premierMot(ligne));
  }
}

bool importeFichierCch(const std::string& chemin, framework::LISTE_PARAMETRES& calques) {
  calques.clear();
  std::ifstream entree(cheminSysteme(chemin), std::ios::binary);
  if (!entree) return false;
  importeCch(entree, calques);
  return true;
}

bool demandeEtImporteCch(framework::LISTE_PARAMETRES& calques) {
  calques.clear();
  resbuf choix{};
  if (acedGetFileD("Cahier des charges (*.cch)", "", "cch", 0, &choix) != RTNORM) return false;
  if (choix.restype != RTSTR || !choix.resval.rstring) return false;
  const std::string chemin(choix.resval.rstring);
  std::free(choix.resval.rstring);
  return importeFichierCch(chemin, calques);
}

}  // namespace road
