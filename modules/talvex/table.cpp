// Talvex's function table, in declaration order (function codes follow it).
#include "framework/fonction_arx.h"
#include "framework/information_produit.h"
#include "framework/point_entree.h"
#include "road/commandes_terrain.h"
#include "talvex/reacteur_editeur.h"

namespace {

using framework::FONCTION_ARX;

resbuf* initialisation(int32_t) {
  framework::changeTitre("TALVEX");
  return nullptr;
}

FONCTION_ARX evenementChargement(framework::kDessinCharge, initialisation, "Initialisation de TALVEX");
// Terrain settings.
FONCTION_ARX ihmzlimite("ihmzlimite", road::ihmzlimite, "Affiche les Z min et max enregistrés", -1, 0);
FONCTION_ARX ihmcc("ihmcc", road::ihmcc, "Gestion des calques 3D", -1, 0);

FONCTION_ARX aideModule("C:Talvex", framework::commandeAide, "Aide sur le module", -1, 0);
FONCTION_ARX aproposde("c:aproposde", framework::commandeAide, "Aide sur le module", -1, 0);
FONCTION_ARX exetopo("c:exetopo", framework::commandeExetopo, " [prg] : programme a executer", -1, 0);

}  // namespace

TALVEX_MODULE_EXPORTS()
