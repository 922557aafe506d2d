#include "terrain_ondule.h"

#include <cmath>
#include <random>

#include "terrain/construction_maillage.h"
#include "terrain/maillage.h"

namespace {

double auMillimetre(double v) { return std::round(v * 1000) / 1000; }

}  // namespace

bool construitTerrainOndule(terrain::MAILLAGE& m, size_t points, uint64_t graine) {
  const double cote = std::sqrt(static_cast<double>(points)) * 10.0;
  std::mt19937_64 aleas(graine);
  std::uniform_real_distribution<double> u(0.0, cote);
  for (size_t k = 0; k < points; ++k) {
    const double x = u(aleas), y = u(aleas);
    const double z =
        150.0 + 35.0 * std::sin(x / 900.0) * std::cos(y / 700.0) + 15.0 * std::sin((x + y) / 300.0);
    m.ajoutePoint(
        terrain::VECTEUR(auMillimetre(600000.0 + x), auMillimetre(6500000.0 + y), auMillimetre(z)));
  }
  terrain::PARAMETRES_CONSTRUCTION p;
  p.distanceMax = 0.0;
  return terrain::construitMaillage(m, p);
}
