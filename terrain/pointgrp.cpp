#include "terrain/pointgrp.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "framework/error_stream.h"

namespace terrain {

DROITE::DROITE(const VECTEUR& a, const VECTEUR& b) : a(&a), b(&b), dx(b.x - a.x), dy(b.y - a.y) {}

double DROITE::cote(const VECTEUR& p) const { return dx * (p.y - a->y) - dy * (p.x - a->x); }

double POINTGRP::cote(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p) {
  return -vectoriel2D(b - a, p - a);
}

bool POINTGRP::aDroite(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p, double* valeur) {
  const double v = cote(a, b, p);
  if (valeur) *valeur = v;
  return v > 0.0;
}

bool POINTGRP::coteMode(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p, int mode,
                        bool strict) {
  const double v = cote(a, b, p);
  if (v == 0.0) return !strict;
  return mode < 0 ? v < 0.0 : v > 0.0;
}

bool POINTGRP::aDroiteChemin(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c, const VECTEUR& p,
                             int mode, bool strict) {
  if (a.egal2D(b)) return coteMode(b, c, p, mode, strict);
  if (b.egal2D(c)) return coteMode(a, b, p, mode, strict);
  const bool premier = coteMode(a, b, p, mode, strict);
  const bool second = coteMode(b, c, p, mode, strict);
  // Where the path turns towards the side asked for, that side is the wedge
  // between the two edges; where it turns away, it is the union of both sides.
  const double virage = cote(a, b, c);
  const bool versLeCote = mode < 0 ? virage < 0.0 : virage > 0.0;
  return versLeCote ? premier && second : premier || second;
}

PROJECTION POINTGRP::projette(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p, int mode) {
  const VECTEUR d = b - a;
  const VECTEUR w = p - a;
  const double carre = scalaire2D(d, d);
  PROJECTION r;
  if (carre < EPS_DET) return r;
  r.valide = true;
  r.abscisse = scalaire2D(d, w);
  r.decalage = -vectoriel2D(d, w);
  const double diviseur = mode == 3 ? std::sqrt(carre) : (mode == 1 || mode == 2 ? carre : 1.0);
  r.abscisse /= diviseur;
  r.decalage /= diviseur;
  return r;
}

std::optional<VECTEUR> POINTGRP::pied(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p) {
  const PROJECTION pr = projette(a, b, p, 2);
  if (!pr.valide) return std::nullopt;
  return a + (b - a) * pr.abscisse;
}

double POINTGRP::aireTriangle(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c) {
  return std::fabs(cote(a, b, c)) * 0.5;
}

double POINTGRP::aireHeron(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c) {
  const double la = b.distance(c);
  const double lb = a.distance(c);
  const double lc = a.distance(b);
  const double s = (la + lb + lc) * 0.5;
  // Rounding can make the product of a flat triangle slightly negative.
  return std::sqrt(std::fabs(s * (s - la) * (s - lb) * (s - lc)));
}

double POINTGRP::volumePrisme(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c) {
  return aireTriangle(a, b, c) * (a.z + b.z + c.z) / 3.0;
}

double POINTGRP::volumeEventail(std::span<const VECTEUR> polygone) {
  double volume = 0.0;
  for (size_t i = 1; i + 1 < polygone.size(); ++i) {
    volume += volumePrisme(polygone[0], polygone[i], polygone[i + 1]);
  }
  return volume;
}

std::vector<TRIANGLE> POINTGRP::triangulationEventail(std::span<const VECTEUR> polygone) {
  std::vector<TRIANGLE> triangles;
  for (size_t i = 1; i + 1 < polygone.size(); ++i) {
    triangles.push_back({polygone[0], polygone[i], polygone[i + 1]});
  }
  return triangles;
}

double POINTGRP::aireSignee(std::span<const VECTEUR> polygone) {
  // Products of national-grid coordinates would lose the millimetres that the
  // orientation threshold is about; the first point is taken as the origin.
  if (polygone.empty()) return 0.0;
  const VECTEUR& o = polygone[0];
  double somme = 0.0;
  const size_t n = polygone.size();
  for (size_t i = 0; i < n; ++i) {
    somme += vectoriel2D(polygone[i] - o, polygone[(i + 1) % n] - o);
  }
  return somme * 0.5;
}

bool POINTGRP::orienteHoraire(std::span<VECTEUR> polygone) {
  if (aireSignee(polygone) < -EPS_COORD) return false;
  std::reverse(polygone.begin(), polygone.end());
  return true;
}

bool POINTGRP::interieur(std::span<const VECTEUR> polygone, const VECTEUR& p) {
  bool dedans = false;
  const size_t n = polygone.size();
  for (size_t i = 0; i < n; ++i) {
    const VECTEUR& a = polygone[i];
    const VECTEUR& b = polygone[(i + 1) % n];
    if (a.y == b.y) continue;
    if (!(std::min(a.y, b.y) < p.y && p.y <= std::max(a.y, b.y))) continue;
    if (std::max(a.x, b.x) < p.x) continue;
    if (a.x != b.x) {
      const double abscisse = (a.x - p.x) + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (abscisse < 0.0) continue;
    }
    dedans = !dedans;
  }
  return dedans;
}

std::optional<REPERE_PLAN> POINTGRP::repere(const VECTEUR& origine,
                                            std::span<const VECTEUR> candidats) {
  REPERE_PLAN plan;
  plan.origine = origine;
  bool avecU = false;
  for (size_t i = 0; i < candidats.size() && i < 3; ++i) {
    VECTEUR d = candidats[i];
    if (d.estNul() || !d.normalise()) continue;
    if (!avecU) {
      plan.u = d;
      avecU = true;
      continue;
    }
    VECTEUR oppose = plan.u;
    oppose.oppose();
    if (d.egal3D(plan.u) || d.egal3D(oppose)) continue;
    plan.v = d;
    return plan;
  }
  return std::nullopt;
}

REPERE_PLAN POINTGRP::repere(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c) {
  return REPERE_PLAN{a, b - a, c - a};
}

bool POINTGRP::zPlan(const REPERE_PLAN& plan, double x, double y, double& z) {
  const double det = vectoriel2D(plan.u, plan.v);
  if (std::fabs(det) < EPS_COORD) {
    z = 0.0;
    return false;
  }
  const VECTEUR ap(x - plan.origine.x, y - plan.origine.y);
  const double s = vectoriel2D(ap, plan.v) / det;
  const double t = vectoriel2D(plan.u, ap) / det;
  z = plan.origine.z + s * plan.u.z + t * plan.v.z;
  return true;
}

bool POINTGRP::zPlan(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c, double x, double y,
                     double& z) {
  return zPlan(repere(a, b, c), x, y, z);
}

bool POINTGRP::zSurTriangle(std::span<VECTEUR> points, const VECTEUR& a, const VECTEUR& b,
                            const VECTEUR& c) {
  const REPERE_PLAN plan = repere(a, b, c);
  bool valide = true;
  for (VECTEUR& p : points) valide = zPlan(plan, p.x, p.y, p.z) && valide;
  return valide;
}

std::optional<DECOUPE_ZERO> POINTGRP::decoupeZero(std::span<const VECTEUR> polygone) {
  const size_t n = polygone.size();
  // The walk with the interpolated cuts inserted, and where the cuts lie in it.
  std::vector<VECTEUR> parcours;
  std::vector<size_t> coupes;
  std::vector<size_t> sommetsCoupes;  // vertex indices of the cuts that are vertices
  for (size_t i = 0; i < n; ++i) {
    const VECTEUR& a = polygone[i];
    const VECTEUR& b = polygone[(i + 1) % n];
    if (a.z == 0.0) {
      coupes.push_back(parcours.size());
      sommetsCoupes.push_back(i);
    }
    parcours.push_back(a);
    if ((a.z < 0.0 && b.z > 0.0) || (a.z > 0.0 && b.z < 0.0)) {
      const double t = a.z / (a.z - b.z);
      coupes.push_back(parcours.size());
      parcours.push_back(VECTEUR(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), 0.0));
    }
  }
  if (coupes.size() != 2) return std::nullopt;
  if (sommetsCoupes.size() == 2) {
    const size_t ecart = sommetsCoupes[1] - sommetsCoupes[0];
    if (ecart == 1 || ecart == n - 1) return std::nullopt;
  }
  DECOUPE_ZERO d;
  d.coupe1 = parcours[coupes[0]];
  d.coupe2 = parcours[coupes[1]];
  d.premier.assign(parcours.begin() + coupes[0], parcours.begin() + coupes[1] + 1);
  d.second.assign(parcours.begin() + coupes[1], parcours.end());
  d.second.insert(d.second.end(), parcours.begin(), parcours.begin() + coupes[0] + 1);
  return d;
}

namespace {

// The segments lie on one line within EPS_COORD (checked from p2): the
// overlap, measured along the axis on which the line extends most, so that a
// vertical line is sorted by y and a horizontal one by x, each once.
INTERSECTION_SEGMENTS recouvrement(const VECTEUR& p0, const VECTEUR& p1, const VECTEUR& p2,
                                   const VECTEUR& p3) {
  INTERSECTION_SEGMENTS r;
  const VECTEUR d = p1 - p0;
  const bool selonX = std::fabs(d.x) >= std::fabs(d.y);
  const VECTEUR r2 = p2 - p0;
  const double ecart = selonX ? r2.x * d.y / d.x - r2.y : r2.y * d.x / d.y - r2.x;
  if (std::fabs(ecart) >= EPS_COORD) return r;

  // Overlapping length along an axis (coordinates relative to p0).
  auto chevauchement = [&](auto coord) {
    const double a0 = coord(p0 - p0), a1 = coord(p1 - p0);
    const double b0 = coord(p2 - p0), b1 = coord(p3 - p0);
    return std::min(std::max(a0, a1), std::max(b0, b1)) -
           std::max(std::min(a0, a1), std::min(b0, b1));
  };
  auto x = [](const VECTEUR& v) { return v.x; };
  auto y = [](const VECTEUR& v) { return v.y; };
  const double principal = selonX ? chevauchement(x) : chevauchement(y);
  // Collinear segments that only meet end to end do not overlap.
  if (principal <= EPS_COORD) return r;
  const double secondaire = selonX ? chevauchement(y) : chevauchement(x);

  r.type = INTERSECTION_SEGMENTS::RECOUVREMENT;
  r.resultat = secondaire > EPS_COORD ? 2 : 1;
  std::array<const VECTEUR*, 4> tries{&p0, &p1, &p2, &p3};
  std::stable_sort(tries.begin(), tries.end(), [&](const VECTEUR* a, const VECTEUR* b) {
    return selonX ? a->x < b->x : a->y < b->y;
  });
  for (const VECTEUR* e : tries) {
    const auto fin = r.extremites.begin() + r.nbExtremites;
    if (std::find(r.extremites.begin(), fin, e) == fin) r.extremites[r.nbExtremites++] = e;
  }
  return r;
}

// Parameters of the crossing of a0 + t*da with b0 + u*db: u by Cramer's rule,
// t from the component of da on which that segment extends most. False when
// that component is below EPS_COORD (a null segment: the caller exchanges).
bool parametres(const VECTEUR& a0, const VECTEUR& da, const VECTEUR& b0, const VECTEUR& db,
                double& t, double& u) {
  const bool selonX = std::fabs(da.x) >= std::fabs(da.y);
  if (std::fabs(selonX ? da.x : da.y) < EPS_COORD) return false;
  const VECTEUR r = b0 - a0;
  u = vectoriel2D(r, da) / vectoriel2D(da, db);
  t = selonX ? (r.x + u * db.x) / da.x : (r.y + u * db.y) / da.y;
  return true;
}

}  // namespace

INTERSECTION_SEGMENTS POINTGRP::Intersection(const VECTEUR& p0, const VECTEUR& p1,
                                             const VECTEUR& p2, const VECTEUR& p3) {
  INTERSECTION_SEGMENTS r;
  if ((&p0 == &p2 && &p1 == &p3) || (&p0 == &p3 && &p1 == &p2)) {
    r.resultat = 1;
    return r;
  }
  if (std::max(p0.x, p1.x) < std::min(p2.x, p3.x) || std::max(p2.x, p3.x) < std::min(p0.x, p1.x) ||
      std::max(p0.y, p1.y) < std::min(p2.y, p3.y) || std::max(p2.y, p3.y) < std::min(p0.y, p1.y)) {
    return r;
  }
  const VECTEUR d1 = p1 - p0;
  const VECTEUR d2 = p3 - p2;
  if (std::fabs(vectoriel2D(d1, d2)) < EPS_DET) {
    if (std::fabs(d1.x) < EPS_COORD && std::fabs(d1.y) < EPS_COORD) {
      r.type = INTERSECTION_SEGMENTS::SEGMENT_NUL;
      return r;
    }
    return recouvrement(p0, p1, p2, p3);
  }
  if (&p0 == &p2 || &p0 == &p3 || &p1 == &p2 || &p1 == &p3) return r;

  double t = 0.0, u = 0.0;
  const bool surSecond = !parametres(p0, d1, p2, d2, t, u);
  if (surSecond && !parametres(p2, d2, p0, d1, t, u)) {
    framework::fluxErreur() << "POINTGRP::Intersection : segments nuls" << std::endl;
    r.type = INTERSECTION_SEGMENTS::SEGMENT_NUL;
    return r;
  }
  const bool accepte =
      (0.0 < u && u < 1.0 && 0.0 <= t && t <= 1.0) || (0.0 < t && t < 1.0 && 0.0 <= u && u <= 1.0);
  if (!accepte) return r;
  const VECTEUR& origine = surSecond ? p2 : p0;
  const VECTEUR& direction = surSecond ? d2 : d1;
  r.resultat = 1;
  r.type = INTERSECTION_SEGMENTS::POINT;
  r.point = origine + direction * t;
  r.parametre = t;
  r.surSecond = surSecond;
  return r;
}

std::optional<VECTEUR> POINTGRP::Intersection(const VECTEUR& a, const VECTEUR& b,
                                              const DROITE& droite) {
  const double fa = droite.cote(a);
  const double d = fa - droite.cote(b);
  if (d == 0.0) return std::nullopt;
  const double t = fa / d;
  if (!(0.0 < t && t < 1.0)) return std::nullopt;
  return VECTEUR(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), 0.0);
}

}  // namespace terrain
