#include "road/variable_lisp.h"

#include <cstdio>

#include "acedads.h"
#include "framework/valeurs_lisp.h"

namespace road {

int VARIABLE_LISP::mode() const { return framework::kSymboleLisp; }

int32_t VARIABLE_LISP::entier() {
  int drapeau = 1;
  int valeur = 0;
  if (framework::lisVariable(nom_.c_str(), valeur, &drapeau, mode())) return valeur;
  erreur_ = true;
  return 0;
}

double VARIABLE_LISP::reel() {
  int drapeau = 1;
  double valeur = 0;
  if (framework::lisVariable(nom_.c_str(), valeur, &drapeau, mode())) return valeur;
  erreur_ = true;
  return 0.0;
}

std::string VARIABLE_LISP::texte() {
  int drapeau = 1;
  std::string valeur;
  if (framework::lisVariable(nom_.c_str(), valeur, &drapeau, mode())) return valeur;
  erreur_ = true;
  // The mark is stored like any text, so an unset symbol shows in the project.
  char marque[96];
  std::snprintf(marque, sizeof marque, "BUG_VARI_%s", nom_.c_str());
  return marque;
}

framework::Point3D VARIABLE_LISP::point() {
  int drapeau = 1;
  ads_point p = {0, 0, 0};
  if (framework::lisVariablePoint(nom_.c_str(), p, &drapeau, mode())) return {p[0], p[1], p[2]};
  erreur_ = true;
  return {0, 0, 0};
}

framework::ListeResbuf VARIABLE_LISP::liste() {
  int drapeau = 1;
  return framework::ListeResbuf(framework::lisVariableListe(nom_.c_str(), &drapeau, mode()));
}

bool VARIABLE_LISP::ecritEntier(int valeur) {
  int drapeau = 1;
  return framework::ecritEntierCourt(mode(), nom_.c_str(), valeur, &drapeau);
}

bool VARIABLE_LISP::ecritReel(double valeur) {
  int drapeau = 1;
  return framework::ecritReel(mode(), nom_.c_str(), valeur, &drapeau);
}

bool VARIABLE_LISP::ecritTexte(const std::string& valeur) {
  int drapeau = 1;
  return framework::ecritTexte(mode(), nom_.c_str(), valeur.c_str(), &drapeau);
}

bool VARIABLE_LISP::ecritPoint(const framework::Point3D& valeur) {
  int drapeau = 1;
  const ads_point p = {valeur[0], valeur[1], valeur[2]};
  return framework::ecritPoint(mode(), nom_.c_str(), p, &drapeau);
}

bool VARIABLE_LISP::ecritListe(const resbuf* liste) {
  // The host copies the value and leaves it alone.
  if (liste) return acedPutSym(nom_.c_str(), const_cast<resbuf*>(liste)) == RTNORM;
  resbuf nil{};
  nil.restype = RTNIL;
  return acedPutSym(nom_.c_str(), &nil) == RTNORM;
}

}  // namespace road
