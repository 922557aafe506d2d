#include "framework/parametre_enregistre.h"

#include "framework/error_stream.h"
#include "framework/nombres_c.h"
#include "framework/texte_ascii.h"
#include "framework/texte_cite.h"

namespace framework {
namespace {

// A function-local head: declarations run during static initialisation, in
// any translation unit, before any namespace-scope object could be ready.
PARAMETRE_ENREGISTRE*& tete() {
  static PARAMETRE_ENREGISTRE* premier = nullptr;
  return premier;
}

bool present(const char* s) { return s && *s; }

}  // namespace

GROUPE_PARAMETRES& reglagesUtilisateur() {
  static GROUPE_PARAMETRES groupe("Utilisateur");
  return groupe;
}

PARAMETRE_ENREGISTRE::PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& proprietaire, Variable variable,
                                           const char* cle, const char* section,
                                           const char* sousSection, const char* sousSousSection,
                                           unsigned drapeaux, int)
    : proprietaire_(&proprietaire),
      variable_(variable),
      cle_(cle ? cle : ""),
      drapeaux_(drapeaux),
      suivant_(tete()) {
  for (const char* s : {section, sousSection, sousSousSection}) {
    if (!present(s)) continue;
    chemin_ += '/';
    chemin_ += s;
  }
  chemin_ += '/';
  chemin_ += cle_;
  tete() = this;
}

PARAMETRE_ENREGISTRE::PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& g, int& v, const char* cle,
                                           const char* s1, const char* s2, const char* s3,
                                           unsigned d)
    : PARAMETRE_ENREGISTRE(g, Variable(&v), cle, s1, s2, s3, d, 0) {}
PARAMETRE_ENREGISTRE::PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& g, double& v, const char* cle,
                                           const char* s1, const char* s2, const char* s3,
                                           unsigned d)
    : PARAMETRE_ENREGISTRE(g, Variable(&v), cle, s1, s2, s3, d, 0) {}
PARAMETRE_ENREGISTRE::PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& g, std::string& v, const char* cle,
                                           const char* s1, const char* s2, const char* s3,
                                           unsigned d)
    : PARAMETRE_ENREGISTRE(g, Variable(&v), cle, s1, s2, s3, d, 0) {}
PARAMETRE_ENREGISTRE::PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& g, TEXTE_PARAMETRE& v,
                                           const char* cle, const char* s1, const char* s2,
                                           const char* s3, unsigned d)
    : PARAMETRE_ENREGISTRE(g, Variable(&v), cle, s1, s2, s3, d, 0) {}
PARAMETRE_ENREGISTRE::PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& g, const char* cle, const char* s1,
                                           const char* s2, const char* s3, unsigned d)
    : PARAMETRE_ENREGISTRE(g, Variable(std::monostate()), cle, s1, s2, s3, d, 0) {}

PARAMETRE_ENREGISTRE::~PARAMETRE_ENREGISTRE() {
  for (PARAMETRE_ENREGISTRE** p = &tete(); *p; p = &(*p)->suivant_) {
    if (*p == this) {
      *p = suivant_;
      return;
    }
  }
}

std::string PARAMETRE_ENREGISTRE::valeurTexte() const {
  switch (variable_.index()) {
    case kEnregistreEntier: return texteEntier(*std::get<int*>(variable_));
    case kEnregistreReel: return texteReel9g(*std::get<double*>(variable_));
    case kEnregistreTexte: return *std::get<std::string*>(variable_);
    case kEnregistreObjetTexte: return std::get<TEXTE_PARAMETRE*>(variable_)->texte();
    default: return {};
  }
}

void PARAMETRE_ENREGISTRE::fixeDepuisTexte(std::string_view texte) {
  switch (variable_.index()) {
    case kEnregistreEntier: *std::get<int*>(variable_) = lireEntierC(texte); break;
    case kEnregistreReel: *std::get<double*>(variable_) = lireReelC(texte); break;
    case kEnregistreTexte:
      std::get<std::string*>(variable_)->assign(texte.data(), texte.size());
      break;
    case kEnregistreObjetTexte: *std::get<TEXTE_PARAMETRE*>(variable_) = texte; break;
    default: break;
  }
}

PARAMETRE_ENREGISTRE* premierParametreEnregistre() { return tete(); }

PARAMETRE_ENREGISTRE* trouveParametreEnregistre(std::string_view chemin) {
  for (PARAMETRE_ENREGISTRE* p = tete(); p; p = p->suivant())
    if (egauxSansCasseAscii(p->chemin(), chemin)) return p;
  return nullptr;
}

void ecrireParametresEnregistres(std::ostream& flux) {
  for (const PARAMETRE_ENREGISTRE* p = tete(); p; p = p->suivant()) {
    if (p->type() == kEnregistreAucun) continue;
    const std::string valeur = p->valeurTexte();
    // A line the reader would refuse would also lose every line after it.
    if (!texteCiteRelisible(p->chemin(), FormeTexte::Comptee) ||
        !texteCiteRelisible(valeur, FormeTexte::Comptee)) {
      fluxErreur() << "Réglage trop long (plus de " << kLongueurMaxTexteCite
                   << " caractères), non enregistré : " << p->chemin() << std::endl;
      continue;
    }
    ecrireTexteCite(flux, p->chemin(), FormeTexte::Comptee);
    flux << ' ';
    ecrireTexteCite(flux, valeur, FormeTexte::Comptee);
    flux << '\n';
  }
}

int lireParametresEnregistres(std::istream& flux) {
  int fixes = 0;
  for (;;) {
    TexteOptionnel chemin, valeur;
    if (lireTexteCite(flux, FormeTexte::Comptee, chemin) != LectureTexte::Lu) break;
    if (lireTexteCite(flux, FormeTexte::Comptee, valeur) != LectureTexte::Lu) break;
    if (!chemin) continue;
    PARAMETRE_ENREGISTRE* p = trouveParametreEnregistre(*chemin);
    if (!p || (p->drapeaux() & kJamaisCharge) || p->type() == kEnregistreAucun) continue;
    p->fixeDepuisTexte(valeur ? *valeur : std::string());
    ++fixes;
  }
  return fixes;
}

}  // namespace framework
