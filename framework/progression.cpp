#include "framework/progression.h"

#include <charconv>
#include <ostream>
#include <string>

#include "framework/error_stream.h"

namespace framework {
namespace {

// Shortest form that reads back the same, whatever the user's locale:
// counts come out as plain integers ("120").
std::string nombre(double valeur) {
  char texte[32];
  const auto r = std::to_chars(texte, texte + sizeof texte, valeur);
  return std::string(texte, r.ptr);
}

// The flush hands the message to the listeners at once, so the window moves
// while the work goes on.
void emet(std::string_view message) { fluxErreur() << message << std::flush; }

}  // namespace

void emetInitProgression(std::string_view identifiant, double bas, double haut) {
  emet("@(PRGS " + std::string(identifiant) + " I " + nombre(bas) + " " + nombre(haut) + ")");
}

void emetProgression(std::string_view identifiant, double valeur) {
  emet("@(PRGS " + std::string(identifiant) + " P " + nombre(valeur) + ")");
}

void emetInformation(std::string_view identifiant, std::string_view texte) {
  emet("@(INFO " + std::string(identifiant) + " " + std::string(texte) + ")");
}

}  // namespace framework
