// Brenix's function table, in declaration order (function codes follow it).
#include "framework/commandes_dessin.h"
#include "framework/fonction_arx.h"
#include "framework/information_produit.h"
#include "framework/multi_client.h"
#include "framework/point_entree.h"

namespace {

using framework::FONCTION_ARX;
using framework::kSansAccrochage;
using framework::kToujoursDisponible;

FONCTION_ARX aideModule("C:brenix", framework::commandeAide, "Aide sur le module",
                        kToujoursDisponible, kSansAccrochage);
FONCTION_ARX aproposde("c:aproposde", framework::commandeAide, "Aide sur le module",
                       kToujoursDisponible, kSansAccrochage);
FONCTION_ARX exetopo("c:exetopo", framework::commandeExetopo, " [prg] : programme a executer",
                     kToujoursDisponible, kSansAccrochage);
FONCTION_ARX multiclient("c:multiclient", framework::commandeMultiClient, "Gestion multi-clients",
                         kToujoursDisponible, kSansAccrochage);
FONCTION_ARX sauvedwg("c:sauvedwg", framework::commandeSauveDwg, "Sauvegarde d'un fichier DWG",
                      kToujoursDisponible, kSansAccrochage);

}  // namespace

TALVEX_MODULE_EXPORTS()
