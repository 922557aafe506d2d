// The module identity a test program linking the framework stands for: each
// program defines it once, with its own name and description.
#pragma once
#include "framework/fonction_arx.h"
#include "framework/identite_module.h"

#define IDENTITE_ESSAI(nom, description)                               \
  namespace framework {                                                \
  const IDENTITE_MODULE& identiteModule() {                            \
    static constexpr IDENTITE_MODULE kIdentite{nom,                    \
                                               "1.00",                 \
                                               "MV12",                 \
                                               "C:" nom,               \
                                               description,            \
                                               "",                     \
                                               "1.0",                  \
                                               "https://exemple.test", \
                                               kToujoursDisponible,    \
                                               false,                  \
                                               false};                 \
    return kIdentite;                                                  \
  }                                                                    \
  }
