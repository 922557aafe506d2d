// Writing parameter trees: the text form (level <= 0, indented with tabs) that
// every file of the system uses, and the counted form (level > 0).
#include <bit>
#include <cstdint>

#include "framework/nombres_c.h"
#include "framework/parametre.h"

namespace framework {
namespace {

void tabulations(std::ostream& flux, int n) {
  for (int i = 0; i < n; ++i) flux << '\t';
}

void petitBoutiste(std::ostream& flux, uint64_t v, size_t n) {
  char o[8];
  for (size_t i = 0; i < n; ++i, v >>= 8) o[i] = static_cast<char>(v & 0xFF);
  flux.write(o, static_cast<std::streamsize>(n));
}

}  // namespace

void PARAMETRE::ecrire(std::ostream& flux, int niveau) const {
  if (niveau <= 0) {
    tabulations(flux, -niveau);
    ecrireTexteCite(flux, identifiant, FormeTexte::Texte);
    flux << " = ";
    ecrireTexteCite(flux, valeur, FormeTexte::Texte);
    flux << '\n';
    if (!enfants.empty()) {
      tabulations(flux, -niveau);
      flux << "+\n";
      ecrireListe(flux, enfants, niveau - 1);
      tabulations(flux, -niveau);
      flux << "-\n";
    }
    return;
  }
  petitBoutiste(flux, static_cast<uint32_t>(type), 4);
  if (type == kParametreReel)
    petitBoutiste(flux, std::bit_cast<uint64_t>(reel), 8);
  else if (type == kParametreEntier || type == kParametreEntierTexte)
    petitBoutiste(flux, static_cast<uint32_t>(entier), 4);
  ecrireListe(flux, enfants, niveau);
  ecrireTexteCite(flux, identifiant, FormeTexte::Comptee);
  ecrireTexteCite(flux, valeur, FormeTexte::Comptee);
}

void ecrireListe(std::ostream& flux, const LISTE_PARAMETRES& liste, int niveau) {
  if (niveau <= 0) {
    for (const PARAMETRE& p : liste) p.ecrire(flux, niveau);
    return;
  }
  if (niveau == 1) flux << "V2 ";
  flux << texteEntier(static_cast<long long>(liste.size())) << ' ';
  for (const PARAMETRE& p : liste) p.ecrire(flux, 2);
}

}  // namespace framework
