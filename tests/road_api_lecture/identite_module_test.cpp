// The identity of the module this test program stands for.
#include "framework/identite_module.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"Lecture",
                                             "1.00",
                                             "MV12",
                                             "C:Lecture",
                                             "Essais de lecture",
                                             "",
                                             "1.0",
                                             "https://exemple.test",
                                             -1,
                                             false,
                                             false};
  return kIdentite;
}

}  // namespace framework
