#include "framework/discretisation_arc.h"

#include <cmath>
#include <numbers>
#include <ostream>

#include "framework/error_stream.h"
#include "framework/reglages_framework.h"

namespace framework {
namespace {

// A step so small that it would make more points than any drawing needs is
// widened to this many segments over the arc.
constexpr double kSegmentsMax = 100000;

double longueurPas(double pas, double longueur, double angle) {
  if (pas == 0) pas = reglageDiscArc();
  if (pas > 0) return pas;
  if (pas < -1) return longueur / -pas;
  const double n = 5 * std::floor(angle / (std::numbers::pi / 4)) + 5;
  return longueur / n;
}

}  // namespace

std::vector<Point3D> discretiseArc(const Point3D& debut, const Point3D& fin, double renflement,
                                   double pas) {
  if (renflement == 0 || !std::isfinite(renflement)) return {debut, fin};

  const double dx = fin[0] - debut[0], dy = fin[1] - debut[1];
  const double corde = std::hypot(dx, dy);
  const double angle = 4 * std::atan(std::fabs(renflement));
  const double rayon = corde * (1 + renflement * renflement) / (4 * std::fabs(renflement));
  if (!(rayon > 0)) {
    fluxErreur() << "Erreur de calcul d'arc avec rayon nul" << std::endl;
    return {debut, fin};
  }
  // From the chord's middle, towards its left for a counter-clockwise arc,
  // by (chord / 2) * cot(angle / 2).
  const double decalage = (1 - renflement * renflement) / (4 * renflement);
  const double cx = (debut[0] + fin[0]) / 2 - dy * decalage;
  const double cy = (debut[1] + fin[1]) / 2 + dx * decalage;

  double pasAngle = longueurPas(pas, rayon * angle, angle) / rayon;
  if (!(pasAngle * kSegmentsMax >= angle)) pasAngle = angle / kSegmentsMax;
  if (renflement < 0) pasAngle = -pasAngle;

  std::vector<Point3D> points{debut};
  const double limite = angle - std::numbers::pi / 64;
  const double rx = debut[0] - cx, ry = debut[1] - cy;
  for (int k = 1;; ++k) {
    const double h = k * pasAngle;
    if (std::fabs(h) > limite) break;
    const double c = std::cos(h), s = std::sin(h);
    points.push_back({cx + rx * c - ry * s, cy + rx * s + ry * c,
                      debut[2] + (fin[2] - debut[2]) * std::fabs(h) / angle});
  }
  points.push_back(fin);
  return points;
}

}  // namespace framework
