#include "framework/parametre_fichier.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/parametre_enregistre.h"

namespace framework {
namespace {

std::string cheminSysteme(std::string_view chemin) {
  std::string s(chemin);
  for (char& c : s)
    if (c == '\\') c = '/';
  return s;
}

// A directory opens as a stream on this system; it is no parameter file.
bool ouvre(std::string_view chemin, std::ifstream& flux) {
  const std::string s = cheminSysteme(chemin);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(s, ec)) return false;
  flux.open(s, std::ios::binary);
  return flux.is_open();
}

// The text is made whole before the file is touched.
bool remplace(std::string_view chemin, const std::string& contenu) {
  std::ofstream flux(cheminSysteme(chemin), std::ios::binary | std::ios::trunc);
  if (!flux) return false;
  flux.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
  flux.close();
  return !flux.fail();
}

}  // namespace

bool lireFichierParametres(std::string_view chemin, int mode, LISTE_PARAMETRES& liste) {
  std::ifstream flux;
  if (!ouvre(chemin, flux)) return false;
  return lireFichier(flux, mode, liste);
}

bool ecrireFichierParametres(std::string_view chemin, const LISTE_PARAMETRES& liste) {
  std::ostringstream texte;
  ecrireListe(texte, liste, 0);
  return remplace(chemin, texte.str());
}

bool lireFichierRegistre(std::string_view chemin) {
  std::ifstream flux;
  if (!ouvre(chemin, flux)) return false;
  lireParametresEnregistres(flux);
  return true;
}

bool ecrireFichierRegistre(std::string_view chemin) {
  std::ostringstream texte;
  ecrireParametresEnregistres(texte);
  return remplace(chemin, texte.str());
}

}  // namespace framework
