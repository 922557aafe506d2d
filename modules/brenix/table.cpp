// Brenix's function table, in declaration order (function codes follow it).
#include "framework/fonction_arx.h"
#include "framework/information_produit.h"
#include "framework/point_entree.h"

namespace {

using framework::FONCTION_ARX;

FONCTION_ARX aideModule("C:brenix", framework::commandeAide, "Aide sur le module", -1, 0);
FONCTION_ARX aproposde("c:aproposde", framework::commandeAide, "Aide sur le module", -1, 0);
FONCTION_ARX exetopo("c:exetopo", framework::commandeExetopo, " [prg] : programme a executer", -1,
                     0);

}  // namespace

TALVEX_MODULE_EXPORTS()
