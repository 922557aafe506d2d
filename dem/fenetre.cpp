#include "dem/fenetre.h"

#include <algorithm>
#include <cmath>

namespace dem {
namespace {

// Truncation toward zero, kept inside what the integer arithmetic after it
// can hold (a NaN counts as 0).
int64_t tronque(double v) {
  constexpr double kBorne = 1e15;
  if (!(v == v)) return 0;
  return static_cast<int64_t>(std::clamp(v, -kBorne, kBorne));
}

// trunc(v / pas) * pas, worked in doubles (exact below 2^53) so that a far
// coordinate cannot overflow the product.
int64_t cale(double v, int64_t pas) {
  const double s = static_cast<double>(pas);
  return tronque(std::trunc(v / s) * s);
}

}  // namespace

Coins Coins::ordonnes() const {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

TailleFenetre taille(const Coins& c) {
  return {1 + tronque((c.y2 - c.y1) / kMaille), 1 + tronque((c.x2 - c.x1) / kMaille)};
}

TailleFenetre limiter(Coins& c) {
  TailleFenetre t = taille(c);
  if (t.rangees > kMaxMailles) {
    t.rangees = kMaxMailles;
    c.y2 = c.y1 + (kMaxMailles - 1) * kMaille;
  }
  if (t.colonnes > kMaxMailles) {
    t.colonnes = kMaxMailles;
    c.x2 = c.x1 + (kMaxMailles - 1) * kMaille;
  }
  return t;
}

Calage caler(const Coins& c, int64_t pas) {
  Calage k;
  k.pas = pas;
  k.x0 = cale(c.x1, pas);
  k.y0 = cale(c.y1, pas);
  k.x1 = cale(c.x2, pas);
  k.y1 = cale(c.y2, pas);
  k.rangees = (k.y1 - k.y0) / pas + 2;
  k.colonnes = (k.x1 - k.x0) / pas + 2;
  return k;
}

}  // namespace dem
