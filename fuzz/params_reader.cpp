// Any bytes given to the parameter-file readers: the file reader in each
// form, a list whose form the input tells, and the registered settings.
// Whatever reads cleanly must write and read back the same, in the text form
// and in the counted form, and the settings read must do so in "registre.ini".
#include <bit>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <streambuf>
#include <string>

#include "framework/error_stream.h"
#include "framework/parametre.h"
#include "framework/parametre_enregistre.h"

namespace {

using framework::LISTE_PARAMETRES;
using framework::PARAMETRE;

// Settings of every kind for the registered-settings reader to set.
int entier = 0;
double reel = 0;
std::string texte;
framework::TEXTE_PARAMETRE objetTexte("defaut");
int bloque = 0;
framework::PARAMETRE_ENREGISTRE p1(framework::reglagesUtilisateur(), entier, "Entier", "Fuzz");
framework::PARAMETRE_ENREGISTRE p2(framework::reglagesUtilisateur(), reel, "Reel", "Fuzz", "A");
framework::PARAMETRE_ENREGISTRE p3(framework::reglagesUtilisateur(), texte, "Texte", "Fuzz", "A",
                                   "B");
framework::PARAMETRE_ENREGISTRE p4(framework::reglagesUtilisateur(), objetTexte, "Objet", "Fuzz");
framework::PARAMETRE_ENREGISTRE p5(framework::reglagesUtilisateur(), bloque, "Bloque", "Fuzz",
                                   nullptr, nullptr, framework::kJamaisCharge);
framework::PARAMETRE_ENREGISTRE p6(framework::reglagesUtilisateur(), "Aucun", "Fuzz");

class TamponNul : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// Equal, comparing reals bit for bit (a NaN written reads back as itself).
bool identiques(const LISTE_PARAMETRES& a, const LISTE_PARAMETRES& b) {
  if (a.size() != b.size()) return false;
  for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
    if (i->identifiant != j->identifiant || i->valeur != j->valeur || i->type != j->type ||
        i->entier != j->entier ||
        std::bit_cast<uint64_t>(i->reel) != std::bit_cast<uint64_t>(j->reel) ||
        !identiques(i->enfants, j->enfants))
      return false;
  }
  return true;
}

// Texts the counted form can read back (a text-form part may hold longer ones).
bool relisibles(const LISTE_PARAMETRES& liste) {
  auto court = [](const framework::TexteOptionnel& t) {
    return !t || t->size() <= framework::kLongueurMaxTexteCite;
  };
  for (const PARAMETRE& p : liste)
    if (!court(p.identifiant) || !court(p.valeur) || !relisibles(p.enfants)) return false;
  return true;
}

// The texts and the shape only: the text form keeps no kinds nor numbers.
bool memesTextes(const LISTE_PARAMETRES& a, const LISTE_PARAMETRES& b) {
  if (a.size() != b.size()) return false;
  for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
    if (i->identifiant != j->identifiant || i->valeur != j->valeur ||
        !memesTextes(i->enfants, j->enfants))
      return false;
  }
  return true;
}

// Written in the text form, the tree reads back the same and writes the same bytes.
void verifieFormeTexte(const LISTE_PARAMETRES& liste) {
  std::ostringstream ecrit;
  framework::ecrireListe(ecrit, liste, 0);
  std::istringstream relu(ecrit.str());
  LISTE_PARAMETRES copie;
  if (!framework::lireFichier(relu, framework::kModeTexte, copie) || !memesTextes(liste, copie))
    __builtin_trap();
  std::ostringstream encore;
  framework::ecrireListe(encore, copie, 0);
  if (encore.str() != ecrit.str()) __builtin_trap();
}

// Written in the counted form, the tree reads back the same; the writer
// refuses only texts that its reader would.
void verifieFormeComptee(const LISTE_PARAMETRES& liste) {
  std::ostringstream ecrit;
  framework::ecrireListe(ecrit, liste, 1);
  if (ecrit.fail()) {
    if (relisibles(liste)) __builtin_trap();
    return;
  }
  std::istringstream relu(ecrit.str());
  LISTE_PARAMETRES copie;
  if (!framework::lireListe(relu, -1, copie) || !identiques(liste, copie)) __builtin_trap();
}

// The text settings read are written to "registre.ini" and read back.
void verifieRegistre() {
  const std::string t = texte, o = objetTexte.texte();
  std::ostringstream ecrit;
  framework::ecrireParametresEnregistres(ecrit);
  texte.clear();
  objetTexte = "";
  std::istringstream relu(ecrit.str());
  framework::lireParametresEnregistres(relu);
  if (texte != t || objetTexte.texte() != o) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static TamponNul nul;
  framework::fluxErreur().rdbuf(&nul);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  const std::string octets(reinterpret_cast<const char*>(donnees), taille);

  for (int mode : {framework::kModeTexte, framework::kModeCompte1, framework::kModeCompte2}) {
    std::istringstream flux(octets);
    LISTE_PARAMETRES liste;
    if (!framework::lireFichier(flux, mode, liste)) continue;
    verifieFormeTexte(liste);
    verifieFormeComptee(liste);
  }
  {
    std::istringstream flux(octets);
    LISTE_PARAMETRES liste;
    if (framework::lireListe(flux, -1, liste)) {
      verifieFormeTexte(liste);
      verifieFormeComptee(liste);
    }
  }
  {
    std::istringstream flux(octets);
    framework::lireParametresEnregistres(flux);
    if (bloque != 0) __builtin_trap();
    verifieRegistre();
  }
  return 0;
}
