// The tests a point must pass to close a front edge of the point-set
// triangulation, shared by the indexed search and any plain scan.
#pragma once
#include <cmath>

#include "framework/point_3d.h"
#include "tools3d/plan.h"

namespace tools3d {

using framework::Point3D;

inline Point3D milieu(const Point3D& a, const Point3D& b) {
  return {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2};
}

// p and k lie on either side of the line i->j, as seen from the edge's midpoint m.
inline bool deCoteOppose(const Point3D& i, const Point3D& j, const Point3D& m, const Point3D& k,
                         const Point3D& p) {
  const double arete = anglePlan(i, j);
  double ak = arete - anglePlan(m, k), ap = arete - anglePlan(m, p);
  if (ak < 0) ak += 2 * M_PI;
  if (ap < 0) ap += 2 * M_PI;
  return (ak < M_PI && ap > M_PI) || (ak > M_PI && ap < M_PI);
}

// p shares its x with an end of a-b and its y with an end of a-b.
inline bool extremiteDe(const Point3D& p, const Point3D& a, const Point3D& b) {
  return (p[0] == a[0] || p[0] == b[0]) && (p[1] == a[1] || p[1] == b[1]);
}

inline bool croisePlan(const Point3D& a, const Point3D& b, const Point3D& c, const Point3D& d) {
  const double s1 = (b[1] - a[1]) / (b[0] - a[0]);
  const double s2 = (d[1] - c[1]) / (d[0] - c[0]);
  if (s1 == s2 || std::isnan(s1 - s2)) return false;
  const double x = ((c[1] - s2 * c[0]) - (a[1] - s1 * a[0])) / (s1 - s2);
  return x >= std::fmin(a[0], b[0]) && x <= std::fmax(a[0], b[0]) && x >= std::fmin(c[0], d[0]) &&
         x <= std::fmax(c[0], d[0]);
}

// The segment p-m crosses the edge a-b and p is not one of its ends.
inline bool coupeArete(const Point3D& p, const Point3D& m, const Point3D& a, const Point3D& b) {
  return !extremiteDe(p, a, b) && croisePlan(p, m, a, b);
}

// The neighbourhood of an edge for the crossing tests: 1.5 times the radius.
constexpr double kFacteurVoisinage = 1.5;

}  // namespace tools3d
