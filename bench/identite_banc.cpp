// The module identity the framework asks for, in the benchmarks that link it.
#include "framework/identite_module.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"Banc", "1.00", "MV12", "C:Banc",
                                             "Banc", "",     "1.0",  "https://exemple.test",
                                             -1,     false,  false};
  return kIdentite;
}

}  // namespace framework
