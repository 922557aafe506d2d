#include "road/reglages_terrain.h"

#include "acedads.h"
#include "framework/liste_resbuf.h"
#include "framework/nombres_c.h"
#include "framework/parametre_fichier.h"
#include "framework/valeurs_lisp.h"
#include "platform.h"

namespace road {

using framework::LISTE_PARAMETRES;
using framework::PARAMETRE;

std::string cheminDefautsTerrain() {
  const std::string module =
      platform::modulePath(reinterpret_cast<const void*>(&cheminDefautsTerrain));
  const size_t fin = module.find_last_of("/\\");
  if (fin == std::string::npos) return "cc.ini";
  return module.substr(0, fin) + "\\cc.ini";
}

PARAMETRE lisDefautsTerrain() {
  LISTE_PARAMETRES lus;
  framework::lireFichierParametres(cheminDefautsTerrain(), framework::kModeTexte, lus);
  if (lus.empty()) return PARAMETRE();
  return std::move(lus.front());
}

double lisValeurTerrain(PARAMETRE& terrain, std::string_view cle) {
  const PARAMETRE& p = terrain.trouveOuCree(cle);
  return p.valeur ? framework::lireReelC(*p.valeur) : 0.0;
}

void fixeValeurTerrain(PARAMETRE& terrain, std::string_view cle, double valeur) {
  terrain.trouveOuCree(cle).fixeReel(valeur);
}

LISTE_PARAMETRES& listePlans3d(PARAMETRE& terrain) {
  return terrain.trouveOuCree(kClePlans3d).enfants;
}

void ajouteCalque(LISTE_PARAMETRES& calques, std::string_view nom) {
  size_t debut = 0, fin = nom.size();
  while (debut < fin && static_cast<unsigned char>(nom[debut]) <= ' ') ++debut;
  while (fin > debut && static_cast<unsigned char>(nom[fin - 1]) <= ' ') --fin;
  if (debut == fin) return;
  const std::string_view coupe = nom.substr(debut, fin - debut);
  PARAMETRE* p = framework::trouveDans(calques, coupe);
  if (!p) p = &calques.emplace_back(std::string(coupe), std::nullopt);
  p->valeur = std::string(coupe);
}

void trieParametres(LISTE_PARAMETRES& liste) {
  liste.sort([](const PARAMETRE& a, const PARAMETRE& b) {
    // An absent identifier sorts first.
    if (!a.identifiant || !b.identifiant) return !a.identifiant && b.identifiant;
    return *a.identifiant < *b.identifiant;
  });
  for (PARAMETRE& p : liste) trieParametres(p.enfants);
}

void publieTerrain(PARAMETRE& terrain) {
  LISTE_PARAMETRES& plans = listePlans3d(terrain);
  trieParametres(plans);
  // Failures stay in the flag: only the host can refuse a symbol.
  int drapeau = 1;
  framework::ListeResbuf liste(acutBuildList(plans.empty() ? RTNIL : RTLB, 0));
  for (const PARAMETRE& p : plans)
    liste.ajoute(acutBuildList(RTSTR, p.identifiant ? p.identifiant->c_str() : "", 0));
  if (!plans.empty()) liste.ajoute(acutBuildList(RTLE, 0));
  acedPutSym("LSTCALQ3D", liste.get());
  framework::ecritReel(framework::kSymboleLisp, "_NEVAZMIN", lisValeurTerrain(terrain, kCleVMin),
                       &drapeau);
  framework::ecritReel(framework::kSymboleLisp, "_NEVAZMAX", lisValeurTerrain(terrain, kCleVMax),
                       &drapeau);
  framework::ecritReel(framework::kSymboleLisp, "_NEVAZNUL", lisValeurTerrain(terrain, kCleVNul),
                       &drapeau);
}

}  // namespace road
