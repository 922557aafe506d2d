// The identity the framework needs in a program that is not a module.
#include "framework/identite_module.h"
#include "framework/fonction_arx.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"Projet",
                                             "1.00",
                                             "MV12",
                                             "C:Projet",
                                             "Essais du projet",
                                             "",
                                             "1.0",
                                             "https://exemple.test",
                                             kToujoursDisponible,
                                             false,
                                             false};
  return kIdentite;
}

}  // namespace framework
