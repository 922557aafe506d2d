// Brenix's function table, in declaration order (function codes follow it).
#include "framework/fonction_arx.h"
#include "framework/information_produit.h"
#include "framework/point_entree.h"
#include "tools3d/fonctions_outils3d.h"

namespace {

using framework::FONCTION_ARX;
using framework::kSansAccrochage;
using framework::kToujoursDisponible;

FONCTION_ARX talusArx("talus_arx", tools3d::talus_arx, "Talus", kToujoursDisponible,
                      kSansAccrochage);
FONCTION_ARX dec3dArx("dec3d_arx", tools3d::dec3d_arx, "Talus", kToujoursDisponible,
                      kSansAccrochage);
FONCTION_ARX aideModule("C:brenix", framework::commandeAide, "Aide sur le module",
                        kToujoursDisponible, kSansAccrochage);
FONCTION_ARX aproposde("c:aproposde", framework::commandeAide, "Aide sur le module",
                       kToujoursDisponible, kSansAccrochage);
FONCTION_ARX exetopo("c:exetopo", framework::commandeExetopo, " [prg] : programme a executer",
                     kToujoursDisponible, kSansAccrochage);

}  // namespace

TALVEX_MODULE_EXPORTS()
