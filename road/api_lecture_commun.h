// What the reading functions share: the call's arguments, the project opened
// from CHEMINOM, and the writers of symbols and list shapes.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "adsdef.h"
#include "framework/liste_resbuf.h"
#include "road/appel_api.h"

namespace road {

class AXE_EN_PLAN;
class PROJETTALVEX;
class UN_AXELONG;

namespace lecture {

using api::ArgumentsAppel;
using api::ouvreProjet;

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
