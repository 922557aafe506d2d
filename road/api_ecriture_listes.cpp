#include "road/api_ecriture_listes.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "acedads.h"
#include "road/couche_kind.h"

namespace road {

std::vector<framework::Point3D> points3dListe(const resbuf* liste) {
  std::vector<framework::Point3D> resultat;
  if (!liste || liste->restype != RTLB) return resultat;
  for (const resbuf* rb = liste->rbnext; rb && rb->restype == RT3DPOINT; rb = rb->rbnext)
    resultat.push_back({rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]});
  return resultat;
}

std::vector<ELEMENT_PLAN> elementsPlanDe(const resbuf* liste) {
  std::vector<ELEMENT_PLAN> resultat;
  for (const auto& a : articlesListe(liste))
    resultat.push_back({a.texte(0).value_or(""), a.reel(1), a.entier(2), a.reel(3)});
  return resultat;
}

std::vector<SOMMET_LONG> sommetsLongDe(const resbuf* liste) {
  std::vector<SOMMET_LONG> resultat;
  for (const auto& a : articlesListe(liste))
    resultat.push_back({a.texte(0).value_or(""), a.reel(1), a.reel(2), a.entier(3), a.reel(4)});
  return resultat;
}

std::vector<POINT_AXE3D> pointsAxe3dDe(const resbuf* liste) {
  std::vector<POINT_AXE3D> resultat;
  for (const auto& a : articlesListe(liste)) {
    POINT_AXE3D p;
    p.abscisse = a.reel(0);
    p.valeur = a.reel(1);
    for (size_t k = 0; k < 3; ++k)
      p.points[k] = {a.reel(2 + 3 * k), a.reel(3 + 3 * k), a.reel(4 + 3 * k)};
    resultat.push_back(p);
  }
  return resultat;
}

COUCHE coucheDe(int code, const resbuf* liste) {
  COUCHE couche(code);
  const COUCHE_KIND* kind = coucheKind(code);
  if (kind && kind->pointsNommes) {
    for (const auto& a : articlesListe(liste))
      couche.ajoute({a.reel(1), a.reel(2), a.reel(3), a.texte(0).value_or("nil")});
  } else {
    for (const auto& p : points3dListe(liste)) couche.ajoute({p[0], p[1], p[2], {}});
  }
  return couche;
}

}  // namespace road
