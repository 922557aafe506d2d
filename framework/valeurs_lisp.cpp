#include "framework/valeurs_lisp.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/execution.h"
#include "framework/statut_hote.h"

namespace framework {
namespace {

bool silence = false;

// Shared handling of the error flag: may the call go on?
bool drapeauOuvert(const int* drapeau) { return !drapeau || *drapeau != 0; }

bool echec(int* drapeau, const char* message) {
  if (drapeau) {
    if (*drapeau == 1 && message) fluxErreur() << message << std::endl;
    *drapeau = 0;
  }
  return false;
}

bool estEntier(short t) { return t == RTSHORT || t == RTLONG; }

}  // namespace

bool convertitEntier(const resbuf* v, bool strict, int* drapeau, int& resultat) {
  if (!drapeauOuvert(drapeau)) return false;
  constexpr const char* kMessage = "Le buffer n'est pas un entier court";
  if (!v) return echec(drapeau, kMessage);
  if (!strict) {
    resultat = v->resval.rint;
    return true;
  }
  switch (v->restype) {
    case RTREAL: resultat = static_cast<int>(v->resval.rreal); return true;
    case RTSHORT: resultat = v->resval.rint; return true;
    case RTLONG: resultat = v->resval.rlong; return true;
    case RTSTR:
      resultat =
          v->resval.rstring ? static_cast<int>(std::strtol(v->resval.rstring, nullptr, 10)) : 0;
      return true;
    default: return echec(drapeau, kMessage);
  }
}

bool convertitReel(const resbuf* v, bool strict, int* drapeau, double& resultat) {
  if (!drapeauOuvert(drapeau)) return false;
  constexpr const char* kMessage = "Le buffer n'est pas un reel";
  if (!v) return echec(drapeau, kMessage);
  if (!strict) {
    resultat = v->resval.rreal;
    return true;
  }
  switch (v->restype) {
    case RTREAL: resultat = v->resval.rreal; return true;
    case RTSHORT: resultat = v->resval.rint; return true;
    case RTLONG: resultat = v->resval.rlong; return true;
    case RTSTR:
      resultat = v->resval.rstring ? std::strtod(v->resval.rstring, nullptr) : 0.0;
      return true;
    default: return echec(drapeau, kMessage);
  }
}

const char* convertitTexte(const resbuf* v, bool strict, int* drapeau) {
  static char tampon[64];
  if (!drapeauOuvert(drapeau)) return nullptr;
  constexpr const char* kMessage = "Le buffer n'est pas une chaine";
  if (!v) {
    echec(drapeau, kMessage);
    return nullptr;
  }
  if (!strict || v->restype == RTSTR) return v->resval.rstring ? v->resval.rstring : "";
  if (v->restype == RTREAL) {
    std::snprintf(tampon, sizeof tampon, "%f", v->resval.rreal);
    return tampon;
  }
  if (estEntier(v->restype)) {
    std::snprintf(tampon, sizeof tampon, "%d",
                  v->restype == RTSHORT ? static_cast<int>(v->resval.rint) : v->resval.rlong);
    return tampon;
  }
  echec(drapeau, kMessage);
  return nullptr;
}

bool convertitTexte(const resbuf* v, bool strict, int* drapeau, std::string& resultat) {
  const char* texte = convertitTexte(v, strict, drapeau);
  if (!texte) return false;
  resultat = texte;
  return true;
}

bool convertitPoint(const resbuf* v, bool strict, int* drapeau, ads_point resultat) {
  if (!drapeauOuvert(drapeau)) return false;
  if (!v || (strict && v->restype != RTPOINT && v->restype != RT3DPOINT))
    return echec(drapeau, "Le buffer n'est pas un point");
  resultat[0] = v->resval.rpoint[0];
  resultat[1] = v->resval.rpoint[1];
  resultat[2] = v->restype == RTPOINT ? 0.0 : v->resval.rpoint[2];
  return true;
}

resbuf* lisVariableBrute(const char* nom, int* drapeau, int mode) {
  if (!drapeauOuvert(drapeau)) return nullptr;
  if (mode & kSymboleLisp) {
    resbuf* valeur = nullptr;
    if (verifieStatut(acedGetSym(nom, &valeur)) == 0 && valeur) return valeur;
    if (valeur) acutRelRb(valeur);
  }
  if (mode & kVariableHote) {
    resbuf* valeur = acutNewRb(RTLONG);
    if (acedGetVar(nom, valeur) == RTNORM) return valeur;
    acutRelRb(valeur);
  }
  if (drapeau) {
    if (*drapeau == 1 && !silence) fluxErreur() << "Variable " << nom << " indefinie" << std::endl;
    *drapeau = 0;
  }
  return nullptr;
}

namespace {

template <typename Convertit>
bool litPuisConvertit(const char* nom, int* drapeau, int mode, Convertit convertit) {
  resbuf* brut = lisVariableBrute(nom, drapeau, mode);
  if (!brut) return false;
  const bool ok = convertit(brut);
  acutRelRb(brut);
  return ok;
}

}  // namespace

bool lisVariable(const char* nom, int& resultat, int* drapeau, int mode, bool strict) {
  return litPuisConvertit(nom, drapeau, mode,
                          [&](resbuf* v) { return convertitEntier(v, strict, drapeau, resultat); });
}

bool lisVariable(const char* nom, double& resultat, int* drapeau, int mode, bool strict) {
  return litPuisConvertit(nom, drapeau, mode,
                          [&](resbuf* v) { return convertitReel(v, strict, drapeau, resultat); });
}

bool lisVariable(const char* nom, std::string& resultat, int* drapeau, int mode, bool strict) {
  return litPuisConvertit(nom, drapeau, mode,
                          [&](resbuf* v) { return convertitTexte(v, strict, drapeau, resultat); });
}

bool lisVariablePoint(const char* nom, ads_point resultat, int* drapeau, int mode, bool strict) {
  return litPuisConvertit(nom, drapeau, mode,
                          [&](resbuf* v) { return convertitPoint(v, strict, drapeau, resultat); });
}

resbuf* lisVariableListe(const char* nom, int* drapeau, int mode) {
  resbuf* brut = lisVariableBrute(nom, drapeau, mode);
  if (brut && brut->restype == RTLB) return brut;
  if (brut) acutRelRb(brut);
  return nullptr;
}

SilenceVariables::SilenceVariables() : precedent_(silence) { silence = true; }
SilenceVariables::~SilenceVariables() { silence = precedent_; }

namespace {

bool ecrit(int mode, const char* nom, resbuf* valeur, int* drapeau) {
  if (!drapeauOuvert(drapeau)) {
    acutRelRb(valeur);
    return false;
  }
  const int statut = (mode & kVariableHote) ? acedSetVar(nom, valeur) : acedPutSym(nom, valeur);
  acutRelRb(valeur);
  if (statut == RTNORM) return true;
  if (drapeau) *drapeau = 0;
  return false;
}

}  // namespace

bool ecritTexte(int mode, const char* nom, const char* valeur, int* drapeau) {
  return ecrit(mode, nom, acutBuildList(RTSTR, valeur ? valeur : "", 0), drapeau);
}

bool ecritReel(int mode, const char* nom, double valeur, int* drapeau) {
  return ecrit(mode, nom, acutBuildList(RTREAL, valeur, 0), drapeau);
}

bool ecritEntierCourt(int mode, const char* nom, int valeur, int* drapeau) {
  return ecrit(mode, nom, acutBuildList(RTSHORT, valeur, 0), drapeau);
}

bool ecritPoint(int mode, const char* nom, const ads_point valeur, int* drapeau) {
  return ecrit(mode, nom, acutBuildList(RT3DPOINT, valeur, 0), drapeau);
}

int demandeDistance(const char* invite, double& resultat, double defaut,
                    const ads_point pointBase) {
  // The user answers with his own object snaps; the run's final restore then
  // finds the slot saved again here.
  EtatRestore();
  const int statut = acedGetDist(pointBase, invite, &resultat);
  EtatMemorise();
  fluxErreur() << std::endl;
  if (statut == RTNONE) {
    resultat = defaut;
    return -1;
  }
  return statut == RTNORM ? 1 : 0;
}

}  // namespace framework
