#include "framework/execution.h"

#include <cstdlib>
#include <ostream>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/fonction_arx.h"

namespace framework {
namespace {

struct Environnement {
  int attdia, osnapcoord, osmode;
};

struct EtatExecution {
  Environnement pile[kNiveauxEtat] = {};
  int profondeur = kNiveauxEtat;  // empty stack
  int compteurEcho = 0;
  int echoSauve = 1;
  int compteurAnnulation = 0;
};

EtatExecution& etat() {
  static EtatExecution e;
  return e;
}

int lisEntierHote(const char* nom) {
  resbuf rb{};
  if (acedGetVar(nom, &rb) != RTNORM) return 0;
  if (rb.restype == RTSHORT) return rb.resval.rint;
  if (rb.restype == RTLONG) return rb.resval.rlong;
  if (rb.restype == RTSTR) std::free(rb.resval.rstring);
  return 0;
}

void ecritEntierHote(const char* nom, int valeur) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(valeur);
  acedSetVar(nom, &rb);
}

}  // namespace

void EtatMemorise() {
  EtatExecution& e = etat();
  if (e.profondeur <= 0) {
    fluxErreur() << "Bug EtatMemorise" << std::endl;
    return;
  }
  Environnement& slot = e.pile[--e.profondeur];
  slot.attdia = lisEntierHote("attdia");
  slot.osnapcoord = lisEntierHote("osnapcoord");
  slot.osmode = lisEntierHote("osmode");
}

void EtatRestore() {
  EtatExecution& e = etat();
  if (e.profondeur >= kNiveauxEtat) {
    fluxErreur() << "Bug EtatRestore" << std::endl;
    return;
  }
  const Environnement& slot = e.pile[e.profondeur++];
  ecritEntierHote("attdia", slot.attdia);
  ecritEntierHote("osnapcoord", slot.osnapcoord);
  ecritEntierHote("osmode", slot.osmode);
}

void pasEcho(bool actif) {
  EtatExecution& e = etat();
  if (e.compteurEcho == 0) {
    e.echoSauve = lisEntierHote("cmdecho");
    ecritEntierHote("cmdecho", actif ? 1 : 0);
  }
  e.compteurEcho += actif ? 1 : -1;
  if (e.compteurEcho == 0) ecritEntierHote("cmdecho", e.echoSauve);
}

void pasAnnulation(bool debut) {
  EtatExecution& e = etat();
  if (e.compteurAnnulation == 0) acedCommandS(RTSTR, "_undo", RTSTR, "_be", RTNONE);
  e.compteurAnnulation += debut ? 1 : -1;
  if (e.compteurAnnulation == 0) acedCommandS(RTSTR, "_undo", RTSTR, "_e", RTNONE);
}

resbuf* executeEntree(FONCTION_ARX* entree, int32_t argument) {
  if (!entree || !entree->rappel()) return nullptr;
  EtatMemorise();
  const bool gereEnvironnement = (entree->drapeauxEnvironnement() & kGardeEnvironnement) == 0;
  if (gereEnvironnement) {
    pasEcho(false);
    pasAnnulation(true);
    ecritEntierHote("attdia", 0);
    ecritEntierHote("osnapcoord", 0);
    ecritEntierHote("osmode", static_cast<int>(entree->drapeauxEnvironnement()));
  }
  FONCTION_ARX* precedente = fonctionCourante();
  changeFonctionCourante(entree);
  resbuf* resultat = nullptr;
  try {
    resultat = entree->rappel()(argument);
  } catch (...) {
    resultat = nullptr;
    fluxErreur() << "!!!!!!! ERREUR DANS L'APPEL D'UNE FONCTION" << std::endl;
    fluxErreur() << "!!!!!!! PREVENEZ AU PLUS TÔT VOTRE CENTRE TECHNIQUE" << std::endl;
    if (entree->estEvenement())
      fluxErreur() << "!!!!!!! FONCTION INTERNE N°" << entree->numeroInterne() << std::endl;
    else
      fluxErreur() << "!!!!!!! FONCTION D'ID <" << entree->nom() << ">" << std::endl;
  }
  changeFonctionCourante(precedente);
  if (gereEnvironnement) {
    pasAnnulation(false);
    pasEcho(true);
  }
  EtatRestore();
  return resultat;
}

void executeEvenement(int numero) {
  for (FONCTION_ARX* f = teteTable(); f; f = f->suivant()) {
    if (f->numeroInterne() != numero) continue;
    if (resbuf* r = executeEntree(f, 0)) acutRelRb(r);
  }
}

}  // namespace framework
