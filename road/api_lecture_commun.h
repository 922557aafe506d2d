// What the reading functions share: the call's arguments, the project opened
// from CHEMINOM, and the writers of symbols and list shapes.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/liste_resbuf.h"
#include "adsdef.h"

namespace road {

class AXE_EN_PLAN;
class PROJETTALVEX;
class UN_AXELONG;

namespace lecture {

// The arguments of the running call, each top-level item once (a list
// argument counts as one item).
class Arguments {
 public:
  Arguments();
  size_t nombre() const { return items_.size(); }
  // The item's text, when it is one; false otherwise.
  bool texte(size_t i, std::string& resultat) const;

 private:
  framework::ListeResbuf liste_;
  std::vector<const resbuf*> items_;
};

// The project of CHEMINOM, read with its terrain settings published.
std::unique_ptr<PROJETTALVEX> ouvreProjet();

void metNil(const char* symbole);
void metNil(const std::vector<const char*>& symboles);
void metEntier(const char* symbole, int valeur);
void metReel(const char* symbole, double valeur);
void metTexte(const char* symbole, const std::string& valeur);
void metPoint(const char* symbole, double x, double y, double z);
// Sets the symbol to the list whose items `elements` holds (RTLB ... RTLE each);
// no item gives the empty list, which LISP reads as nil.
void metListe(const char* symbole, framework::ListeResbuf elements);

// Symbols read through VARIABLE_LISP, as the writing functions read them.
double lisReel(const char* symbole);
std::string lisTexte(const char* symbole);

// The list shapes of the profile symbols.
framework::ListeResbuf listeAxeLong(const UN_AXELONG& profil);
framework::ListeResbuf listeAxe3d(const AXE_EN_PLAN& axe);

}  // namespace lecture
}  // namespace road
