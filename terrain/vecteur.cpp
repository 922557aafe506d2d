#include "terrain/vecteur.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <ostream>
#include <vector>

#include "framework/error_stream.h"
#include "terrain/pointgrp.h"

namespace terrain {

VECTEUR& VECTEUR::operator+=(const VECTEUR& v) {
  x += v.x;
  y += v.y;
  z += v.z;
  return *this;
}

VECTEUR& VECTEUR::operator-=(const VECTEUR& v) {
  x -= v.x;
  y -= v.y;
  z -= v.z;
  return *this;
}

VECTEUR& VECTEUR::operator*=(double s) {
  x *= s;
  y *= s;
  z *= s;
  return *this;
}

VECTEUR& VECTEUR::operator/=(double s) { return *this *= 1.0 / s; }

bool VECTEUR::oppose() {
  x = -x;
  y = -y;
  z = -z;
  return true;
}

bool VECTEUR::egalExact(const VECTEUR& v) const {
  return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(v.x) &&
         std::bit_cast<uint64_t>(y) == std::bit_cast<uint64_t>(v.y) &&
         std::bit_cast<uint64_t>(z) == std::bit_cast<uint64_t>(v.z);
}

bool VECTEUR::egal2D(const VECTEUR& v, double eps) const {
  return std::fabs(x - v.x) < eps && std::fabs(y - v.y) < eps;
}

bool VECTEUR::egal3D(const VECTEUR& v, double eps) const {
  return egal2D(v, eps) && std::fabs(z - v.z) < eps;
}

bool VECTEUR::estNul() const {
  return std::fabs(x) < EPS_COORD && std::fabs(y) < EPS_COORD && std::fabs(z) < EPS_COORD;
}

double VECTEUR::normeXY() const { return std::sqrt(x * x + y * y); }

double VECTEUR::norme() const { return std::sqrt(x * x + y * y + z * z); }

double VECTEUR::distanceXY(const VECTEUR& v) const { return (v - *this).normeXY(); }

double VECTEUR::distance(const VECTEUR& v) const { return (v - *this).norme(); }

double VECTEUR::angleDirection() const {
  double angle = std::atan2(y, x);
  if (angle < 0.0) angle += 2.0 * PI;
  // A tiny negative angle rounds up to 2pi, which is outside the range.
  return angle < 2.0 * PI ? angle : 0.0;
}

VECTEUR& VECTEUR::tourne(double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double nx = x * c - y * s;
  y = x * s + y * c;
  x = nx;
  return *this;
}

bool VECTEUR::normalise() {
  const double n = norme();
  if (n == 0.0) return false;
  *this /= n;
  return true;
}

bool VECTEUR::normaliseXY() {
  const double n = normeXY();
  if (n == 0.0) return false;
  *this /= n;
  return true;
}

VECTEUR operator+(const VECTEUR& a, const VECTEUR& b) {
  return VECTEUR(a.x + b.x, a.y + b.y, a.z + b.z);
}

VECTEUR operator-(const VECTEUR& b, const VECTEUR& a) {
  return VECTEUR(b.x - a.x, b.y - a.y, b.z - a.z);
}

VECTEUR operator*(const VECTEUR& v, double s) { return VECTEUR(v.x * s, v.y * s, v.z * s); }

double vectoriel2D(const VECTEUR& a, const VECTEUR& b) { return a.x * b.y - a.y * b.x; }

double scalaire2D(const VECTEUR& a, const VECTEUR& b) { return a.x * b.x + a.y * b.y; }

double angleEntre(const VECTEUR& a, const VECTEUR& b, bool depuisOppose, bool positif) {
  double angle = b.angleDirection() - a.angleDirection();
  if (depuisOppose) angle -= PI;
  // Both direction angles are in [0, 2pi): one turn at most brings it back.
  if (angle <= -PI) angle += 2.0 * PI;
  if (angle > PI) angle -= 2.0 * PI;
  if (positif && angle < 0.0) angle += 2.0 * PI;
  return angle;
}

VECTEUR directionTournee(const VECTEUR& a, const VECTEUR& b, int quartsDeTour) {
  // Quarter turns are exchanges of components, free of the rounding of cos(pi/2).
  const VECTEUR d = b - a;
  switch (((quartsDeTour % 4) + 4) % 4) {
    case 1: return VECTEUR(-d.y, d.x, d.z);
    case 2: return VECTEUR(-d.x, -d.y, d.z);
    case 3: return VECTEUR(d.y, -d.x, d.z);
    default: return d;
  }
}

std::ostream& operator<<(std::ostream& os, const VECTEUR& v) {
  return os << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

namespace {

// Appends p unless it repeats the last point appended.
void ajouteDistinct(std::vector<VECTEUR>& points, const VECTEUR& p) {
  if (points.empty() || !points.back().egal2D(p, EPS_DET)) points.push_back(p);
}

// Keeps the part of the polygon on the right of a->b (the inside of a
// clockwise polygon), the line itself included.
std::vector<VECTEUR> coupeParDroite(const std::vector<VECTEUR>& polygone, const VECTEUR& a,
                                    const VECTEUR& b) {
  const DROITE droite(a, b);
  std::vector<VECTEUR> reste;
  const size_t n = polygone.size();
  for (size_t i = 0; i < n; ++i) {
    const VECTEUR& p = polygone[i];
    const VECTEUR& q = polygone[(i + 1) % n];
    if (droite.cote(p) < EPS_DET) ajouteDistinct(reste, p);
    if (const auto croisement = POINTGRP::Intersection(p, q, droite)) {
      ajouteDistinct(reste, *croisement);
    }
  }
  if (reste.size() > 1 && reste.back().egal2D(reste.front(), EPS_DET)) reste.pop_back();
  return reste;
}

}  // namespace

int VECTEUR::Intersection(std::span<const VECTEUR> s, std::span<const VECTEUR> c,
                          std::span<VECTEUR> sortie) {
  if (s.size() < 3 || c.size() < 3) return 0;
  std::vector<VECTEUR> resultat(s.begin(), s.end());
  std::vector<VECTEUR> decoupe(c.begin(), c.end());
  POINTGRP::orienteHoraire(resultat);
  POINTGRP::orienteHoraire(decoupe);
  const size_t m = decoupe.size();
  for (size_t j = 0; j < m && !resultat.empty(); ++j) {
    resultat = coupeParDroite(resultat, decoupe[j], decoupe[(j + 1) % m]);
  }
  const size_t nombre = resultat.size();
  if (nombre > sortie.size()) {
    framework::fluxErreur() << "VECTEUR::Intersection : depassement : " << nombre << "/"
                            << sortie.size() << std::endl;
  }
  const size_t ecrits = std::min(nombre, sortie.size());
  std::copy_n(resultat.begin(), ecrits, sortie.begin());
  return static_cast<int>(ecrits);
}

}  // namespace terrain
