#include "tools3d/symboles.h"

#include "acedads.h"
#include "framework/liste_resbuf.h"

namespace tools3d {

namespace {

framework::ListeResbuf valeurSymbole(const char* nom) {
  resbuf* valeur = nullptr;
  if (acedGetSym(nom, &valeur) != RTNORM) return framework::ListeResbuf();
  return framework::ListeResbuf(valeur);
}

}  // namespace

NOMBRE_SYMBOLE nombreSymbole(const char* nom, bool entierAccepte) {
  NOMBRE_SYMBOLE n;
  const framework::ListeResbuf v = valeurSymbole(nom);
  const resbuf* rb = v.get();
  if (!rb || rb->restype == RTNIL) return n;
  n.etat = ETAT_SYMBOLE::MauvaisType;
  if (rb->rbnext) return n;
  if (rb->restype == RTREAL) {
    n.etat = ETAT_SYMBOLE::Valeur;
    n.valeur = rb->resval.rreal;
  } else if (entierAccepte && (rb->restype == RTSHORT || rb->restype == RTLONG)) {
    n.etat = ETAT_SYMBOLE::Valeur;
    n.valeur = rb->restype == RTSHORT ? rb->resval.rint : rb->resval.rlong;
  }
  return n;
}

std::optional<std::string> texteSymbole(const char* nom) {
  const framework::ListeResbuf v = valeurSymbole(nom);
  const resbuf* rb = v.get();
  if (!rb || rb->rbnext || rb->restype != RTSTR || !rb->resval.rstring) return std::nullopt;
  return std::string(rb->resval.rstring);
}

}  // namespace tools3d
