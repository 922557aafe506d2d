// Quoril's function table, in declaration order (function codes follow it).
#include "framework/fonction_arx.h"
#include "framework/fonctions_communes.h"
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

// The help command, "c:aproposde", "c:exetopo", "c:multiclient", "c:sauvedwg".
framework::FONCTIONS_COMMUNES communes;

}  // namespace

TALVEX_MODULE_EXPORTS()
