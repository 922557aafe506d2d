// Values crossing the LISP boundary: reading LISP symbols and host variables,
// converting result buffers, writing values back, and the distance prompt.
//
// The error flag: readers take an optional pointer to an integer meaning "all
// is still well", shared by a chain of calls. A call given a flag already at 0
// does nothing and fails; a call that fails while it is 1 reports and sets it
// to 0. A call given no flag fails silently.
#pragma once
#include <string>

#include "adsdef.h"

namespace framework {

// Modes of the readers and writers.
constexpr int kSymboleLisp = 1;   // the LISP symbol (acedGetSym / acedPutSym)
constexpr int kVariableHote = 2;  // the host system variable (acedGetVar / acedSetVar)

// Converters of one raw value. `strict`: the type must fit; otherwise the
// payload is taken as the wanted type without looking.
bool convertitEntier(const resbuf* valeur, bool strict, int* drapeau, int& resultat);
bool convertitReel(const resbuf* valeur, bool strict, int* drapeau, double& resultat);
// Numbers are formatted ("%f", "%d") into one module-wide buffer that the next call overwrites.
const char* convertitTexte(const resbuf* valeur, bool strict, int* drapeau);
bool convertitTexte(const resbuf* valeur, bool strict, int* drapeau, std::string& resultat);
bool convertitPoint(const resbuf* valeur, bool strict, int* drapeau, ads_point resultat);

// Reads a LISP symbol and/or a host variable; the raw value, owned by the caller
// (release with acutRelRb), or nullptr after reporting "Variable <nom> indefinie".
resbuf* lisVariableBrute(const char* nom, int* drapeau, int mode);
bool lisVariable(const char* nom, int& resultat, int* drapeau, int mode, bool strict = true);
bool lisVariable(const char* nom, double& resultat, int* drapeau, int mode, bool strict = true);
bool lisVariable(const char* nom, std::string& resultat, int* drapeau, int mode,
                 bool strict = true);
bool lisVariablePoint(const char* nom, ads_point resultat, int* drapeau, int mode,
                      bool strict = true);
// A list value (beginning with RTLB), owned by the caller; nullptr otherwise (no message).
resbuf* lisVariableListe(const char* nom, int* drapeau, int mode);

// The module-wide switch that silences "Variable ... indefinie", for callers
// probing optional variables; restores the previous value when it goes.
class SilenceVariables {
 public:
  SilenceVariables();
  ~SilenceVariables();
  SilenceVariables(const SilenceVariables&) = delete;
  SilenceVariables& operator=(const SilenceVariables&) = delete;

 private:
  bool precedent_;
};

// Writers: kVariableHote in `mode` writes the host variable, else the LISP symbol.
bool ecritTexte(int mode, const char* nom, const char* valeur, int* drapeau);
bool ecritReel(int mode, const char* nom, double valeur, int* drapeau);
bool ecritEntierCourt(int mode, const char* nom, int valeur, int* drapeau);
bool ecritPoint(int mode, const char* nom, const ads_point valeur, int* drapeau);

// Asks a distance with the user's own object snaps. Answers -1 on Enter (the
// result is then the default), 1 on a given distance, 0 otherwise.
int demandeDistance(const char* invite, double& resultat, double defaut,
                    const ads_point pointBase = nullptr);

}  // namespace framework
