// Shared by the record tests: the error stream captured, and a record read
// from a text the way the alignment reads it (tag first, then the body).
#pragma once
#include <sstream>
#include <streambuf>
#include <string>

#include "capture_erreurs.h"
#include "framework/error_stream.h"
#include "road/jetons_projet.h"
#include "road/objet_es.h"

// What reading `texte` left: the record's result, the lookahead word and what
// the stream still holds.
struct Lecture {
  bool resultat = false;
  std::string anticipe;
  std::string reste;
};

inline Lecture lisEnregistrement(road::OBJET_ES& objet, const std::string& texte) {
  std::istringstream entree(texte);
  road::prepareFlux(entree);
  std::string tag;
  road::lisMot(entree, tag);
  Lecture l;
  l.resultat = objet.ES(entree, nullptr, l.anticipe);
  entree.clear();
  std::getline(entree, l.reste, '\0');
  return l;
}

inline std::string ecrit(const road::OBJET_ES& objet) {
  std::ostringstream sortie;
  road::prepareFlux(sortie);
  objet.ecrit(sortie);
  return sortie.str();
}

// Reads `texte` into a fresh record and writes it again.
template <class T>
std::string relit(const std::string& texte) {
  T objet;
  lisEnregistrement(objet, texte);
  return ecrit(objet);
}
