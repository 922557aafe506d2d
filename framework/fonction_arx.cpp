#include "framework/fonction_arx.h"

#include <strings.h>
#include <cctype>
#include <cstdio>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/identite_module.h"
#include "framework/message_stream.h"

namespace framework {
namespace {

// Module-wide table state. Function-local statics: entries link themselves
// in during static initialisation, in whatever order the files are set up.
// An entry reads nothing of the others then (they may belong to a file not
// yet set up): its code comes from the count of entries linked before it.
struct EtatTable {
  FONCTION_ARX* tete = nullptr;
  int32_t nombre = 0;
  FONCTION_ARX* courante = nullptr;
  bool dejaDeclare = false;
};

EtatTable& etat() {
  static EtatTable e;
  return e;
}

}  // namespace

std::string construitNom(std::string_view s, std::string_view p, std::string_view nomCommande) {
  if (s == nomCommande) return std::string(s);
  if (!s.empty() && s[0] == '*') return std::string(s.substr(1));
  // The "C:" written in the declaration keeps its letter case.
  if (s.size() >= 3 && s[2] == ':') {
    const char c = (s[1] == 'c' || s[1] == 'C') ? s[1] : 'C';
    return std::string(1, c) + ":" + std::string(1, s[0]) + std::string(p) +
           std::string(s.substr(3));
  }
  if (s.size() >= 2 && s[1] == ':') {
    const char c = (s[0] == 'c' || s[0] == 'C') ? s[0] : 'C';
    return std::string(1, c) + ":" + std::string(p) + std::string(s.substr(2));
  }
  if (!s.empty() && s[0] == '_') return "_" + std::string(p) + std::string(s.substr(1));
  return std::string(p) + std::string(s);
}

FONCTION_ARX::FONCTION_ARX(const char* nom, RAPPEL_FONCTION rappel, const char* description,
                           int32_t disponibilite, uint32_t drapeauxEnvironnement)
    : description_(description),
      rappel_(rappel),
      drapeaux_(drapeauxEnvironnement),
      disponibilite_(disponibilite) {
  const IDENTITE_MODULE& id = identiteModule();
  nom_ = construitNom(nom ? nom : "", id.prefixeNom ? id.prefixeNom : "",
                      id.nomCommande ? id.nomCommande : "");
  lie();
}

FONCTION_ARX::FONCTION_ARX(int numeroInterne, RAPPEL_FONCTION rappel, const char* description)
    : numero_(numeroInterne), description_(description), rappel_(rappel) {
  lie();
}

void FONCTION_ARX::lie() {
  EtatTable& e = etat();
  code_ = e.nombre++;
  suivant_ = e.tete;
  e.tete = this;
}

bool FONCTION_ARX::estDeclarable() const {
  if (estEvenement() || nom_.empty()) return false;
  return disponibilite_ == kToujoursDisponible || (disponibilite_ & kMasqueFonctionnalites) != 0;
}

FONCTION_ARX* teteTable() { return etat().tete; }

FONCTION_ARX* trouveParCode(int32_t code) {
  for (FONCTION_ARX* f = etat().tete; f; f = f->suivant())
    if (f->code() == code) return f;
  return nullptr;
}

FONCTION_ARX* trouveParNom(std::string_view nom) {
  const std::string cherche(nom);
  for (FONCTION_ARX* f = etat().tete; f; f = f->suivant())
    if (!f->estEvenement() && strcasecmp(f->nom().c_str(), cherche.c_str()) == 0) return f;
  return nullptr;
}

FONCTION_ARX* fonctionCourante() { return etat().courante; }
void changeFonctionCourante(FONCTION_ARX* f) { etat().courante = f; }

bool declareTout() {
  activerEcho(true);
  bool ok = true;
  for (FONCTION_ARX* f = etat().tete; f; f = f->suivant()) {
    if (!f->estDeclarable()) continue;
    if (acedDefun(f->nom().c_str(), f->code()) != RTNORM) {
      fluxErreur() << "Erreur de declaration de <" << f->nom() << ">" << std::endl;
      ok = false;
    }
  }
  if (!etat().dejaDeclare) {
    etat().dejaDeclare = true;
    const IDENTITE_MODULE& id = identiteModule();
    fluxErreur() << "\n\n****** Module " << id.nomModule << " chargé (commande " << id.nomCommande
                 << ")\n"
                 << std::endl;
  }
  return ok;
}

void retireTout() {
  for (FONCTION_ARX* f = etat().tete; f; f = f->suivant())
    if (f->estDeclarable()) acedUndef(f->nom().c_str(), f->code());
}

bool listeTout() {
  FILE* fichier = std::fopen("lstfonction.txt", "w");
  if (!fichier) {
    fluxErreur() << "Erreur lors de l'ouverture de <lstfonction.txt>" << std::endl;
    return false;
  }
  std::fprintf(fichier, "\n\n****** Module %s\n", identiteModule().nomModule);
  for (FONCTION_ARX* f = etat().tete; f; f = f->suivant()) {
    if (!f->estDeclarable()) continue;
    // A leading "_", after an optional one-character prefix and a colon, hides the name.
    std::string_view nom = f->nom();
    if (nom.size() >= 2 && nom[1] == ':') nom.remove_prefix(2);
    if (!nom.empty() && nom[0] == '_') continue;
    std::fprintf(fichier, "%s : %s\n", f->nom().c_str(),
                 f->description() ? f->description() : "???");
  }
  std::fclose(fichier);
  return true;
}

}  // namespace framework
