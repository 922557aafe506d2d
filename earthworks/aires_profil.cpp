#include "earthworks/aires_profil.h"

#include "terrain/pointgrp.h"

namespace earthworks {

namespace {

using terrain::INTERSECTION_SEGMENTS;
using terrain::POINTGRP;

// Where a segment is at x, y interpolated between its ends.
VECTEUR enX(const VECTEUR& a, const VECTEUR& b, double x) {
  const double t = (x - a.x) / (b.x - a.x);
  return VECTEUR(x, a.y + t * (b.y - a.y));
}

}  // namespace

AIRES_ENTRE_SEGMENTS aireEntreSegments(const VECTEUR& p0, const VECTEUR& p1, const VECTEUR& p2,
                                       const VECTEUR& p3) {
  AIRES_ENTRE_SEGMENTS r;
  const INTERSECTION_SEGMENTS x = POINTGRP::Intersection(p0, p1, p2, p3);
  if (!x) {
    const double aire = POINTGRP::aireTriangle(p3, p0, p1) + POINTGRP::aireTriangle(p0, p2, p3);
    const bool dessus = p2.y + 0.001 >= p0.y && p3.y + 0.001 >= p1.y;
    r.gauche = dessus ? aire : -aire;
    return r;
  }
  if (x.resultat != 1 || x.type != INTERSECTION_SEGMENTS::POINT) return r;
  const double gauche = POINTGRP::aireTriangle(x.point, p0, p2);
  const double droite = POINTGRP::aireTriangle(x.point, p1, p3);
  r.gauche = p0.y <= p2.y ? gauche : -gauche;
  r.droite = p1.y <= p3.y ? droite : -droite;
  return r;
}

AIRES_PROFIL airesDeblaiRemblai(std::span<const VECTEUR> terrain, std::span<const VECTEUR> projet) {
  AIRES_PROFIL totaux;
  auto ajoute = [&](double aire) {
    (aire > 0.0 ? totaux.remblai : totaux.deblai) += std::abs(aire);
  };
  for (size_t i = 0; i + 1 < projet.size(); ++i) {
    const VECTEUR& a = projet[i];
    const VECTEUR& b = projet[i + 1];
    if (!(a.x < b.x)) continue;
    for (size_t j = 0; j + 1 < terrain.size(); ++j) {
      const VECTEUR& c = terrain[j];
      const VECTEUR& d = terrain[j + 1];
      if (!(c.x < d.x) || !(d.x > a.x) || !(c.x < b.x)) continue;
      const bool solAGauche = c.x > a.x;
      const VECTEUR solGauche = solAGauche ? c : enX(c, d, a.x);
      const VECTEUR projetGauche = solAGauche ? enX(a, b, c.x) : a;
      const bool solADroite = d.x < b.x;
      const VECTEUR solDroite = solADroite ? d : enX(c, d, b.x);
      const VECTEUR projetDroite = solADroite ? enX(a, b, d.x) : b;
      const AIRES_ENTRE_SEGMENTS aires =
          aireEntreSegments(solGauche, solDroite, projetGauche, projetDroite);
      ajoute(aires.gauche);
      ajoute(aires.droite);
    }
  }
  return totaux;
}

}  // namespace earthworks
