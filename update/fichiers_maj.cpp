#include "update/fichiers_maj.h"

#include <fstream>
#include <ostream>

#include "framework/texte_ascii.h"
#include "platform.h"

namespace maj {

std::optional<std::vector<std::string>> lisLignes(std::string_view chemin, size_t nombre) {
  if (!platform::fileExists(chemin)) return std::nullopt;
  std::ifstream flux(platform::systemPath(chemin), std::ios::binary);
  if (!flux) return std::nullopt;
  std::vector<std::string> lignes;
  std::string ligne;
  while (lignes.size() < nombre && std::getline(flux, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (ligne.size() > kLongueurLigne) ligne.resize(kLongueurLigne);
    lignes.push_back(std::move(ligne));
  }
  return lignes;
}

std::optional<std::string> lisPremierMot(std::string_view chemin) {
  if (!platform::fileExists(chemin)) return std::nullopt;
  std::ifstream flux(platform::systemPath(chemin), std::ios::binary);
  std::string mot;
  if (!(flux >> mot)) return std::nullopt;
  return mot;
}

std::string versionNettoyee(std::string_view version) {
  auto bord = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; };
  while (!version.empty() && bord(version.front())) version.remove_prefix(1);
  while (!version.empty() && bord(version.back())) version.remove_suffix(1);
  return std::string(version);
}

bool memesVersions(std::string_view a, std::string_view b) {
  return framework::egauxSansCasseAscii(versionNettoyee(a), versionNettoyee(b));
}

std::string joint(std::string_view dossier, std::string_view nom) {
  std::string chemin(dossier);
  if (!chemin.empty() && chemin.back() != '\\' && chemin.back() != '/') chemin += '\\';
  return chemin + std::string(nom);
}

std::string dossierDe(std::string_view chemin) {
  const size_t fin = chemin.find_last_of("/\\");
  if (fin == std::string_view::npos) return ".";
  if (fin == 0) return std::string(chemin.substr(0, 1));
  return std::string(chemin.substr(0, fin));
}

bool ecritMarqueurSansMaj(std::string_view dossierInstallation) {
  return platform::replaceFile(joint(dossierInstallation, kFichierSansMaj), [](std::ostream& flux) {
    return bool(flux << kTexteSansMaj << '\n');
  });
}

bool copieEcrasant(std::string_view source, std::string_view cible) {
  bool copie = platform::copyFileReplacing(source, cible);
  if (!copie && platform::fileExists(source) && platform::isReadOnly(cible)) {
    platform::setReadOnly(cible, false);
    copie = platform::copyFileReplacing(source, cible);
  }
  if (copie) platform::setReadOnly(cible, false);
  return copie;
}

}  // namespace maj
