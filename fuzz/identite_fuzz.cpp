// The module identity the framework asks for, in the fuzz targets that link it.
#include "framework/identite_module.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"Fuzz", "1.00", "MV12", "C:Fuzz",
                                             "Fuzz", "",     "1.0",  "https://exemple.test",
                                             -1,     false,  false};
  return kIdentite;
}

}  // namespace framework
