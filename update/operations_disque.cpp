#include "update/operations_disque.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "platform.h"
#include "update/fichiers_maj.h"

namespace fs = std::filesystem;

namespace maj {
namespace {

enum class Genre { kDossier, kFichier, kLien, kAutre };

struct ENTREE {
  std::string nom;
  Genre genre;
};

// The entries of a directory, sorted by name, without following links; nothing after
// writing its message when the directory cannot be read.
std::optional<std::vector<ENTREE>> liste(const std::string& dossier, RAPPORT_SCRIPT& rapport) {
  std::error_code ec;
  std::vector<ENTREE> entrees;
  fs::directory_iterator it(platform::systemPath(dossier), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const fs::file_status etat = it->symlink_status(ec);
    if (ec) break;
    const Genre genre = fs::is_symlink(etat)        ? Genre::kLien
                        : fs::is_directory(etat)    ? Genre::kDossier
                        : fs::is_regular_file(etat) ? Genre::kFichier
                                                    : Genre::kAutre;
    entrees.push_back({it->path().filename().string(), genre});
  }
  if (ec) {
    rapport.erreur("Erreur dans l'ouverture du repertoire <" + dossier + ">");
    return std::nullopt;
  }
  std::sort(entrees.begin(), entrees.end(),
            [](const ENTREE& a, const ENTREE& b) { return a.nom < b.nom; });
  return entrees;
}

std::string dans(const std::string& dossier, const std::string& nom) { return dossier + "/" + nom; }

// A link found in a walked directory is copied as the file it leads to, never as a directory.
bool copiableCommeFichier(const ENTREE& e, const std::string& chemin) {
  return e.genre == Genre::kFichier || (e.genre == Genre::kLien && platform::fileExists(chemin));
}

}  // namespace

bool OPERATIONS_DISQUE::renomme(const std::string& de, const std::string& vers) {
  if (estPrefixe(de, vers)) return true;
  return confinement_.permet(de) && confinement_.permet(vers) && platform::moveFile(de, vers);
}

bool OPERATIONS_DISQUE::deplaceFichier(const std::string& de, const std::string& vers) {
  if (estPrefixe(de, vers)) return true;
  return copieFichier(de, vers) && detruitFichier(de);
}

bool OPERATIONS_DISQUE::copieFichier(const std::string& de, const std::string& vers) {
  if (estPrefixe(de, vers) || !confinement_.permet(de) || !confinement_.permet(vers)) return false;
  if (!copieEcrasant(de, vers)) return false;
  rapport_.fichierCopie();
  return true;
}

bool OPERATIONS_DISQUE::detruitFichier(const std::string& chemin) {
  return confinement_.permet(chemin) && platform::deleteFile(chemin);
}

bool OPERATIONS_DISQUE::creeDossier(const std::string& chemin) {
  return confinement_.permet(chemin) && platform::createDirectory(chemin);
}

bool OPERATIONS_DISQUE::videRecursivement(const std::string& dossier) {
  const std::optional<std::vector<ENTREE>> entrees = liste(dossier, rapport_);
  if (!entrees) return false;
  bool reussi = true;
  for (const ENTREE& e : *entrees) {
    const std::string chemin = dans(dossier, e.nom);
    if (e.genre == Genre::kDossier) {
      reussi = videRecursivement(chemin) && platform::removeDirectory(chemin) && reussi;
    } else if (e.genre == Genre::kLien) {
      // The link goes, never what it leads to.
      std::error_code ec;
      reussi = fs::remove(platform::systemPath(chemin), ec) && reussi;
    } else {
      reussi = platform::deleteFile(chemin) && reussi;
    }
  }
  return reussi;
}

bool OPERATIONS_DISQUE::detruitDossier(const std::string& chemin) {
  if (!confinement_.permet(chemin) || !platform::directoryExists(chemin)) return false;
  const bool vide = videRecursivement(chemin);
  return platform::removeDirectory(chemin) && vide;
}

bool OPERATIONS_DISQUE::videDossier(const std::string& chemin) {
  if (!confinement_.permet(chemin)) return false;
  const std::optional<std::vector<ENTREE>> entrees = liste(chemin, rapport_);
  if (!entrees) return false;
  bool reussi = true;
  for (const ENTREE& e : *entrees) {
    const std::string fichier = dans(chemin, e.nom);
    if (e.genre == Genre::kDossier) {
      reussi = false;
    } else if (e.genre == Genre::kLien) {
      std::error_code ec;
      reussi = fs::remove(platform::systemPath(fichier), ec) && reussi;
    } else {
      reussi = platform::deleteFile(fichier) && reussi;
    }
  }
  return reussi;
}

bool OPERATIONS_DISQUE::copieArbre(const std::string& de, const std::string& vers) {
  if (estPrefixe(de, vers)) return false;
  const bool contenuSeul = !de.empty() && de.back() == '*';
  const std::string source = contenuSeul ? de.substr(0, de.size() < 2 ? 0 : de.size() - 2) : de;
  // A destination inside the source, however it is written, would copy itself forever.
  const std::optional<fs::path> reelleSource = destinationReelle(source);
  const std::optional<fs::path> reelleCible = destinationReelle(vers);
  if (estPrefixe(source, vers) || !reelleSource || !reelleCible ||
      estDessous(*reelleCible, *reelleSource))
    return false;
  if (!confinement_.permet(source) || !confinement_.permet(vers)) return false;
  if (!contenuSeul && !platform::directoryExists(vers) && !platform::createDirectory(vers))
    return false;
  const std::optional<std::vector<ENTREE>> entrees = liste(source, rapport_);
  if (!entrees) return false;
  bool reussi = true;
  for (const ENTREE& e : *entrees) {
    const std::string de2 = dans(source, e.nom), vers2 = dans(vers, e.nom);
    if (e.genre == Genre::kDossier)
      reussi = copieArbre(de2, vers2) && reussi;
    else if (copiableCommeFichier(e, de2))
      reussi = copieFichier(de2, vers2) && reussi;
    else
      reussi = false;
  }
  return reussi;
}

bool OPERATIONS_DISQUE::contenuEnFichiers(const std::string& de, const std::string& vers,
                                          bool deplace) {
  if (!confinement_.permet(de) || !confinement_.permet(vers)) return false;
  const std::optional<std::vector<ENTREE>> entrees = liste(de, rapport_);
  if (!entrees) return false;
  bool reussi = true;
  for (const ENTREE& e : *entrees) {
    const std::string de2 = dans(de, e.nom), vers2 = dans(vers, e.nom);
    if (!copiableCommeFichier(e, de2)) {
      reussi = false;
    } else if (!copieFichier(de2, vers2)) {
      reussi = false;
    } else if (deplace) {
      std::error_code ec;
      // A link moved goes from where it was; the file it led to stays.
      const bool retire = e.genre == Genre::kLien ? fs::remove(platform::systemPath(de2), ec)
                                                  : platform::deleteFile(de2);
      reussi = retire && reussi;
    }
  }
  return reussi;
}

bool OPERATIONS_DISQUE::copieContenu(const std::string& de, const std::string& vers) {
  if (estPrefixe(de, vers)) return false;
  return contenuEnFichiers(de, vers, false);
}

bool OPERATIONS_DISQUE::deplaceContenu(const std::string& de, const std::string& vers) {
  if (estPrefixe(de, vers)) return true;
  return contenuEnFichiers(de, vers, true);
}

std::string OPERATIONS_DISQUE::information(const std::string& chemin) const {
  int jour = 0, mois = 0, annee = 0, heure = 0, minute = 0;
  long taille = -1;
  if (const std::optional<platform::FileInfo> info = platform::fileInfo(chemin)) {
    const std::time_t t = static_cast<std::time_t>(info->modified);
    std::tm local{};
    if (::localtime_r(&t, &local)) {
      jour = local.tm_mday;
      mois = local.tm_mon + 1;
      annee = local.tm_year + 1900;
      heure = local.tm_hour;
      minute = local.tm_min;
    }
    taille = static_cast<long>(info->size);
  }
  char date[64];
  std::snprintf(date, sizeof date, "%02d/%02d/%04d %02d:%02d", jour, mois, annee, heure, minute);
  char texte[96];
  std::snprintf(texte, sizeof texte, "%s %ld", date, taille);
  return texte;
}

std::string OPERATIONS_DISQUE::existe(const std::string& chemin) const {
  return platform::fileExists(chemin) && std::ifstream(platform::systemPath(chemin)) ? "1" : "0";
}

}  // namespace maj
