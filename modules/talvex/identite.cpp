#include "framework/fonction_arx.h"
#include "framework/identite_module.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"Talvex",
                                             "1.01",
                                             "MV12",
                                             "C:Talvex",
                                             "Fonctions d'E/S pour TALVEX",
                                             "",
                                             "1.0",
                                             "https://www.talvex-topo.fr/support",
                                             kToujoursDisponible,
                                             /*documentsMdi=*/false,
                                             /*traceFin=*/true};
  return kIdentite;
}

}  // namespace framework
