// Quoril's function table, in declaration order (function codes follow it).
#include "framework/fonction_arx.h"
#include "framework/information_produit.h"
#include "framework/point_entree.h"

namespace {

using framework::FONCTION_ARX;
using framework::kSansAccrochage;
using framework::kToujoursDisponible;

FONCTION_ARX aideModule("C:QuorilARX", framework::commandeAide, "Aide sur le module",
                        kToujoursDisponible, kSansAccrochage);
FONCTION_ARX aproposde("c:aproposde", framework::commandeAide, "Aide sur le module",
                       kToujoursDisponible, kSansAccrochage);
FONCTION_ARX exetopo("c:exetopo", framework::commandeExetopo, " [prg] : programme a executer",
                     kToujoursDisponible, kSansAccrochage);

}  // namespace

TALVEX_MODULE_EXPORTS()
