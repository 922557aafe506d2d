// The identity of the framework as this test program carries it.
#include "framework/fonction_arx.h"
#include "framework/identite_module.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{
      "Testeur",           "1.01", "MV12", "C:Testeur", "Essais", "", "1.0", "https://exemple.test",
      kToujoursDisponible, false,  false};
  return kIdentite;
}

}  // namespace framework
