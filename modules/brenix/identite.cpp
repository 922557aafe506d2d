#include "framework/fonction_arx.h"
#include "framework/identite_module.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"Brenix",
                                             "1.01",
                                             "MV12",
                                             "C:brenix",
                                             "Fonctions Rovud 3D",
                                             "",
                                             "1.0",
                                             "https://www.talvex-topo.fr/support",
                                             kToujoursDisponible,
                                             /*documentsMdi=*/true,
                                             /*traceFin=*/false};
  return kIdentite;
}

}  // namespace framework
