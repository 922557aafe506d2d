// Registered settings: module variables declared once by static objects with
// a path such as /ContourPt/DMax, loaded from and saved to "registre.ini".
//
//   static double dmax = 5.0;
//   static framework::PARAMETRE_ENREGISTRE pDMax(framework::reglagesUtilisateur(),
//                                                dmax, "DMax", "ContourPt");
#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "framework/texte_parametre.h"

namespace framework {

// The group a setting belongs to; the framework has one, the user's settings.
class GROUPE_PARAMETRES {
 public:
  explicit constexpr GROUPE_PARAMETRES(const char* nom) : nom_(nom) {}
  const char* nom() const { return nom_; }

 private:
  const char* nom_;
};

GROUPE_PARAMETRES& reglagesUtilisateur();

enum TypeParametreEnregistre {
  kEnregistreEntier = 0,
  kEnregistreReel = 1,
  kEnregistreTexte = 2,
  kEnregistreAucun = 3,  // never read or written
  kEnregistreObjetTexte = 4,
};

// Flag bit 0: written to the file but never loaded from it.
constexpr unsigned kJamaisCharge = 1;

class PARAMETRE_ENREGISTRE {
 public:
  // Sections may be null or empty (absent). The object joins the module's
  // list, newest first; it works from static initialisation on.
  PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& proprietaire, int& variable, const char* cle,
                       const char* section = nullptr, const char* sousSection = nullptr,
                       const char* sousSousSection = nullptr, unsigned drapeaux = 0);
  PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& proprietaire, double& variable, const char* cle,
                       const char* section = nullptr, const char* sousSection = nullptr,
                       const char* sousSousSection = nullptr, unsigned drapeaux = 0);
  PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& proprietaire, std::string& variable, const char* cle,
                       const char* section = nullptr, const char* sousSection = nullptr,
                       const char* sousSousSection = nullptr, unsigned drapeaux = 0);
  PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& proprietaire, TEXTE_PARAMETRE& variable, const char* cle,
                       const char* section = nullptr, const char* sousSection = nullptr,
                       const char* sousSousSection = nullptr, unsigned drapeaux = 0);
  // A path reserved without a variable (kind 3).
  PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& proprietaire, const char* cle,
                       const char* section = nullptr, const char* sousSection = nullptr,
                       const char* sousSousSection = nullptr, unsigned drapeaux = 0);
  // Leaves the list, so that a module unloading its statics leaves no dangling entry.
  ~PARAMETRE_ENREGISTRE();
  PARAMETRE_ENREGISTRE(const PARAMETRE_ENREGISTRE&) = delete;
  PARAMETRE_ENREGISTRE& operator=(const PARAMETRE_ENREGISTRE&) = delete;

  const std::string& chemin() const { return chemin_; }  // "/section/.../key"
  const std::string& cle() const { return cle_; }
  int type() const { return static_cast<int>(variable_.index()); }
  unsigned drapeaux() const { return drapeaux_; }
  GROUPE_PARAMETRES& proprietaire() const { return *proprietaire_; }
  PARAMETRE_ENREGISTRE* suivant() const { return suivant_; }

  // The value as "registre.ini" holds it: "%d", "%.9g" or the text.
  std::string valeurTexte() const;
  // Sets the variable from such a text (C library parses for numbers).
  void fixeDepuisTexte(std::string_view texte);

 private:
  using Variable = std::variant<int*, double*, std::string*, std::monostate, TEXTE_PARAMETRE*>;
  PARAMETRE_ENREGISTRE(GROUPE_PARAMETRES& proprietaire, Variable variable, const char* cle,
                       const char* section, const char* sousSection, const char* sousSousSection,
                       unsigned drapeaux, int);

  GROUPE_PARAMETRES* proprietaire_;
  Variable variable_;
  std::string cle_, chemin_;
  unsigned drapeaux_;
  PARAMETRE_ENREGISTRE* suivant_;
};

// The newest declared setting (then follow suivant()).
PARAMETRE_ENREGISTRE* premierParametreEnregistre();
// By path, ignoring ASCII letter case; null when none.
PARAMETRE_ENREGISTRE* trouveParametreEnregistre(std::string_view chemin);

// One line per setting of kind other than 3, newest first: path and value as
// quoted texts with backslashes doubled. A setting whose path or value is over
// kLongueurMaxTexteCite characters is left out with a message on the error
// stream, so that the file stays readable; it keeps its default at the next load.
void ecrireParametresEnregistres(std::ostream& flux);
// Reads (path, value) pairs of quoted texts until one cannot be read; sets the
// settings found without kJamaisCharge, skips unknown paths. Returns the
// number of settings set.
int lireParametresEnregistres(std::istream& flux);

}  // namespace framework
