#include "road/couche_kind.h"

#include "road/registre_objets.h"

namespace road {

const std::array<COUCHE_KIND, kNombreCoucheKinds>& coucheKinds() {
  static const std::array<COUCHE_KIND, kNombreCoucheKinds> table = {{
      {0, "TERRAIN", "FINTN", "LPT-TN", true},
      {1, "DECAPAGE", "FINTD", "LPT-TD", true},
      {2, "PROJET", "FINPJ", "LPT-PJ", true},
      {3, "VEGETALE", "FINTV", "LPT-TV", false},
      {4, "FORME", "FINFR", "LPT-FR", false},
      {5, "FONDATION", "FINFD", "LPT-FD", false},
      {6, "BASE", "FINBA", "LPT-BA", false},
      {7, "ASSISE", "FINAS", "LPT-AS", false},
      {8, "ROULEMENT", "FINRL", "LPT-RL", false},
  }};
  return table;
}

const COUCHE_KIND* coucheKind(int code) {
  if (code < 0 || code >= kNombreCoucheKinds) return nullptr;
  return &coucheKinds()[static_cast<size_t>(code)];
}

int codeCoucheKind(std::string_view nom) {
  for (const auto& kind : coucheKinds())
    if (memeMot(nom, kind.nom)) return kind.code;
  return -1;
}

}  // namespace road
