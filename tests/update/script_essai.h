// Running disk-command scripts in a scratch directory, with what they show kept for the checks.
#pragma once
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "run_cadhost.h"
#include "update/interpreteur_script.h"

// The message boxes and error lines of a run, as "title: text" and lines.
class RapportEssai : public maj::RAPPORT_SCRIPT {
 public:
  void boite(const std::string& titre, const std::string& texte) override {
    boites.push_back(titre + ": " + texte);
  }
  void erreur(const std::string& ligne) override { erreurs.push_back(ligne); }
  void fichierCopie() override { ++copies; }
  std::vector<std::string> boites, erreurs;
  int copies = 0;
};

struct ExecutionEssai {
  std::optional<std::string> resultat;
  int statut = -1;
  std::vector<std::string> journal;
  RapportEssai rapport;
};

// Runs `script` with root 1 the scratch directory "r1" and root 2 "r2" (or none), both
// written with "\" as the system writes them.
inline ExecutionEssai executeDans(const ScratchDir& dir, const std::string& script,
                                  bool avecRacine2 = true) {
  std::filesystem::create_directories(dir.file("r1"));
  std::filesystem::create_directories(dir.file("r2"));
  maj::RACINES racines{dir.path() + "\\r1", std::nullopt};
  if (avecRacine2) racines.seconde = dir.path() + "\\r2";
  ExecutionEssai e;
  std::istringstream flux(script);
  e.resultat = maj::executeScript(flux, racines, e.rapport, &e.statut, &e.journal);
  return e;
}
