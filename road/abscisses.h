// Lookups of table entries by abscissa.
#pragma once
#include <cmath>
#include <cstddef>
#include <optional>

namespace road {

// The position of the entry whose abscissa is nearest to `abscisse`, when it
// lies within `tolerance`: of two stations closer than the tolerance, each
// finds its own entry, not the first of the two.
template <class Entrees, class AbscisseDe>
std::optional<size_t> positionPlusProche(const Entrees& entrees, double abscisse, double tolerance,
                                         AbscisseDe abscisseDe) {
  std::optional<size_t> meilleure;
  double ecartMin = tolerance;
  for (size_t i = 0; i < entrees.size(); ++i) {
    const double ecart = std::fabs(abscisseDe(entrees[i]) - abscisse);
    if (ecart < ecartMin) {
      meilleure = i;
      ecartMin = ecart;
    }
  }
  return meilleure;
}

}  // namespace road
