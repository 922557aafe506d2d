#include "terrain/selection_calques.h"

#include "acedads.h"
#include "framework/filtre_objets.h"
#include "framework/liste_resbuf.h"

namespace terrain {

namespace {

int errnoHote() {
  resbuf valeur{};
  return acedGetVar("ERRNO", &valeur) == RTNORM ? valeur.resval.rint : -1;
}

}  // namespace

std::optional<SELECTION_CALQUES> selectionne(const std::string& calques, int32_t masque,
                                             const char* mode, const double* p1, const double* p2) {
  SELECTION_CALQUES s;
  if (calques.empty()) return s;
  framework::ListeResbuf filtre =
      framework::filtreObjets(masque, framework::ListeResbuf(acutBuildList(8, calques.c_str(), 0)));
  // ERRNO is read-only: a failure is told from an empty result by the code
  // the selection leaves, not by clearing it first.
  const int avant = errnoHote();
  const int status = acedSSGet(mode, p1, p2, filtre.get(), s.nom);
  if (status == RTNORM) {
    s.vide = false;
    return s;
  }
  // Nothing matching is an empty selection, not a failure.
  if (errnoHote() == avant) return s;
  return std::nullopt;
}

}  // namespace terrain
