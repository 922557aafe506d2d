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
  const double s = static_cast<double>(pas);
  k.x0 = tronque(c.x1 / s) * pas;
  k.y0 = tronque(c.y1 / s) * pas;
  k.x1 = tronque(c.x2 / s) * pas;
  k.y1 = tronque(c.y2 / s) * pas;
  k.rangees = (k.y1 - k.y0) / pas + 2;
  k.colonnes = (k.x1 - k.x0) / pas + 2;
  return k;
}

}  // namespace dem
