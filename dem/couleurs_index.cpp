#include "dem/couleurs_index.h"

#include <algorithm>
#include <cmath>

namespace dem {
namespace {

constexpr Rvb kBase[9] = {{1, 0, 0},
                          {1, 1, 0},
                          {0, 1, 0},
                          {0, 1, 1},
                          {0, 0, 1},
                          {1, 0, 1},
                          {1, 1, 1},
                          {128 / 255.0, 128 / 255.0, 128 / 255.0},
                          {192 / 255.0, 192 / 255.0, 192 / 255.0}};
constexpr double kEclat[5] = {1.0, 0.65, 0.5, 0.3, 0.15};

Rvb teinte(int i) {
  const double e = kEclat[(i % 10) / 2];
  const double h = ((i - 10) / 10) * 0.25;
  const int k = static_cast<int>(h);
  const double f = h - k;
  const double l = i % 2 ? 0.5 : 1.0;
  Rvb c;
  switch (k) {
    case 0: c = {1, 1 - l * (1 - f), 1 - l}; break;
    case 1: c = {1 - l * f, 1, 1 - l}; break;
    case 2: c = {1 - l, 1, 1 - l * (1 - f)}; break;
    case 3: c = {1 - l, 1 - l * f, 1}; break;
    case 4: c = {1 - l * (1 - f), 1 - l, 1}; break;
    default: c = {1, 1 - l, 1 - l * f}; break;
  }
  return {c.r * e, c.v * e, c.b * e};
}

double carre(double x) { return x * x; }

}  // namespace

Rvb couleurIndex(int i) {
  if (i < 1) return {0, 0, 0};
  if (i <= 9) return kBase[i - 1];
  if (i <= 249) return teinte(i);
  if (i <= 255) {
    const double g = (i - 250) * 0.134 + 0.33;
    return {g, g, g};
  }
  return {1, 1, 1};
}

std::array<int, 3> composantes(int i) {
  const Rvb c = couleurIndex(i);
  auto octet = [](double f) { return std::min(255, static_cast<int>(f * 255 + 0.5)); };
  return {octet(c.r), octet(c.v), octet(c.b)};
}

int indexProche(const Rvb& c) {
  int meilleur = 1;
  double ecart = INFINITY;
  for (int i = 1; i <= 255; ++i) {
    const Rvb k = couleurIndex(i);
    const double d = carre(k.r - c.r) + carre(k.v - c.v) + carre(k.b - c.b);
    if (d < ecart) {
      ecart = d;
      meilleur = i;
    }
  }
  return meilleur;
}

int indexInterpole(int p, int q, int j, int n) {
  const Rvb a = couleurIndex(p), b = couleurIndex(q);
  const double t = n ? static_cast<double>(j) / n : 0.0;
  return indexProche({a.r + t * (b.r - a.r), a.v + t * (b.v - a.v), a.b + t * (b.b - a.b)});
}

}  // namespace dem
