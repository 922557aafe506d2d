// Shared helpers of the alignment tests: the error stream captured, records
// written to text and read back from text the way the project reads them.
#pragma once
#include <sstream>
#include <streambuf>
#include <string>

#include "capture_erreurs.h"
#include "framework/error_stream.h"
#include "road/jetons_projet.h"
#include "road/objet_es.h"
#include "road/registre_objets.h"

// The nine kinds registered once, their "ID = <...>" lines kept off the output.
inline void enregistreTypes() {
  CaptureErreurs silence;
  road::REGISTRE_OBJETS::enregistreTout();
}

inline std::string texteDe(const road::OBJET_ES& objet) {
  std::ostringstream sortie;
  road::prepareFlux(sortie);
  objet.ecrit(sortie);
  return sortie.str();
}

// Reads a record from a text that starts with its tag, which is consumed
// first, as the project and the alignment do before calling ES.
struct Lecture {
  std::istringstream flux;
  std::string anticipe;
  bool resultat = false;

  Lecture(road::OBJET_ES& objet, const std::string& texte) : flux(texte) {
    road::prepareFlux(flux);
    std::string tag;
    road::lisMot(flux, tag);
    resultat = objet.ES(flux, nullptr, anticipe);
  }
  // What the stream still holds after the record.
  std::string reste() {
    flux.clear();
    std::string r;
    std::getline(flux, r, '\0');
    return r;
  }
};
