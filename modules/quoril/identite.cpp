#include "framework/fonction_arx.h"
#include "framework/identite_module.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"QuorilARX",
                                             "1.01",
                                             "MV12",
                                             "C:QuorilARX",
                                             "Utilitaires pour contrôle topo",
                                             "",
                                             "1.0",
                                             "https://www.talvex-topo.fr/support",
                                             kToujoursDisponible,
                                             /*documentsMdi=*/true,
                                             /*traceFin=*/false};
  return kIdentite;
}

}  // namespace framework
