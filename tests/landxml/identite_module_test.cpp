// The identity of the module this test program stands for.
#include "framework/identite_module.h"
#include "framework/fonction_arx.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"LandXML",
                                             "1.00",
                                             "MV12",
                                             "C:LandXML",
                                             "Essais LandXML",
                                             "",
                                             "1.0",
                                             "https://exemple.test",
                                             kToujoursDisponible,
                                             false,
                                             false};
  return kIdentite;
}

}  // namespace framework
