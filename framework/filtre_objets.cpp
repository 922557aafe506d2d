#include "framework/filtre_objets.h"

#include "framework/types_objets.h"

namespace framework {

ListeResbuf filtreObjets(int32_t masque, ListeResbuf extra) {
  ListeResbuf ou(acutBuildList(-4, "<OR", 0));
  for (int32_t bit = 1; bit <= kTousObjets; bit <<= 1)
    if ((masque & bit) != 0)
      if (const char* nom = nomTypeObjet(bit)) ou.ajoute(acutBuildList(RTDXF0, nom, 0));
  ou.ajoute(acutBuildList(-4, "OR>", 0));
  if (!extra) return ou;

  ListeResbuf et(acutBuildList(-4, "<AND", 0));
  et.ajoute(std::move(extra));
  et.ajoute(std::move(ou));
  et.ajoute(acutBuildList(-4, "AND>", 0));
  return et;
}

}  // namespace framework
