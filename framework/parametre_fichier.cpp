#include "framework/parametre_fichier.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/parametre_enregistre.h"
#include "platform.h"

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

// The text is made whole before the file is touched, and the file replaced
// all at once: another process reading it meanwhile sees the old or the new.
bool remplace(std::string_view chemin, const std::string& contenu) {
  return platform::replaceFile(chemin, [&](std::ostream& flux) {
    flux.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
    return !flux.fail();
  });
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
