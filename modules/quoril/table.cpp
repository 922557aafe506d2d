// Quoril's function table, in declaration order (function codes follow it).
#include "framework/fonction_arx.h"
#include "framework/information_produit.h"
#include "framework/point_entree.h"
#include "quoril/reglages_quoril.h"
#include "terrain/fonctions_contour.h"

namespace {

using framework::FONCTION_ARX;
using framework::kSansAccrochage;
using framework::kToujoursDisponible;

resbuf* contourpt(int32_t) {
  return terrain::contourpt(
      {quoril::reglagePlansSrc(), quoril::reglagePlansRes(), quoril::reglageDMax()});
}

FONCTION_ARX contourPt("c:contourpt", contourpt, "Contour d'semis de points", kToujoursDisponible,
                       kSansAccrochage);

FONCTION_ARX aideModule("C:QuorilARX", framework::commandeAide, "Aide sur le module",
                        kToujoursDisponible, kSansAccrochage);
FONCTION_ARX aproposde("c:aproposde", framework::commandeAide, "Aide sur le module",
                       kToujoursDisponible, kSansAccrochage);
FONCTION_ARX exetopo("c:exetopo", framework::commandeExetopo, " [prg] : programme a executer",
                     kToujoursDisponible, kSansAccrochage);

}  // namespace

TALVEX_MODULE_EXPORTS()
