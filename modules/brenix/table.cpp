// Brenix's function table, in declaration order (function codes follow it).
#include "framework/fonction_arx.h"
#include "framework/fonctions_communes.h"
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
// The help command, "c:aproposde", "c:exetopo", "c:multiclient", "c:sauvedwg".
framework::FONCTIONS_COMMUNES communes;

}  // namespace

TALVEX_MODULE_EXPORTS()
