#include "road/fichiers_compagnons.h"

#include <cstdlib>
#include <fstream>

#include "acedads.h"
#include "framework/valeurs_lisp.h"
#include "road/copie_fichiers.h"
#include "road/registre_objets.h"

namespace road {
namespace {

struct EtatSauvegarde {
  bool wblockOuExport = false;  // a WBLOCK or EXPORT is running
  std::string cheminCourant;    // the drawing as it was when its save began
};

EtatSauvegarde& etat() {
  static EtatSauvegarde e;
  return e;
}

std::string texteVariable(const char* nom) {
  resbuf rb{};
  if (acedGetVar(nom, &rb) != RTNORM || rb.restype != RTSTR || !rb.resval.rstring) return {};
  std::string texte(rb.resval.rstring);
  std::free(rb.resval.rstring);
  return texte;
}

size_t debutExtension(std::string_view chemin) {
  const size_t point = chemin.rfind('.');
  const size_t separateur = chemin.find_last_of("/\\");
  if (point == std::string_view::npos) return chemin.size();
  if (separateur != std::string_view::npos && point < separateur) return chemin.size();
  return point;
}

}  // namespace

std::string retireExtension(std::string_view chemin) {
  return std::string(chemin.substr(0, debutExtension(chemin)));
}

void copieCompagnons(std::string_view ancienneBase, std::string_view nouvelleBase) {
  for (const char* extension : kExtensionsCompagnons) {
    const std::string source = std::string(ancienneBase) + extension;
    if (!std::ifstream(cheminSysteme(source), std::ios::binary)) continue;
    copieFichier(source, std::string(nouvelleBase) + extension);
  }
}

void commandeCommence(const char* nomGlobal) {
  if (!nomGlobal) return;
  if (memeMot(nomGlobal, "wblock") || memeMot(nomGlobal, "export")) etat().wblockOuExport = true;
}

void commandeTerminee() { etat().wblockOuExport = false; }

bool exportEnCours() { return etat().wblockOuExport; }

void sauvegardeCommence() {
  etat().cheminCourant = texteVariable("DWGPREFIX") + texteVariable("DWGNAME");
}

void sauvegardeTerminee(const char* nouveauNom) {
  if (!nouveauNom || etat().wblockOuExport) return;
  const std::string_view nom(nouveauNom);
  const size_t extension = debutExtension(nom);
  if (extension == nom.size() || !memeMot(nom.substr(extension), ".dwg")) return;
  const std::string nouvelleBase(nom.substr(0, extension));
  copieCompagnons(retireExtension(etat().cheminCourant), nouvelleBase);
  int drapeau = 1;
  framework::ecritTexte(framework::kSymboleLisp, "cheminom", nouvelleBase.c_str(), &drapeau);
}

}  // namespace road
