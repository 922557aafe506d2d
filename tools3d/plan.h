// Plan measures on drawing points (x and y only; z is the caller's).
#pragma once
#include <cmath>

#include "framework/point_3d.h"

namespace tools3d {

inline double distancePlan(const framework::Point3D& a, const framework::Point3D& b) {
  return std::hypot(b[0] - a[0], b[1] - a[1]);
}

inline double distance3D(const framework::Point3D& a, const framework::Point3D& b) {
  const double dx = b[0] - a[0], dy = b[1] - a[1], dz = b[2] - a[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// The plan angle from a to b, in [0, 2pi).
inline double anglePlan(const framework::Point3D& a, const framework::Point3D& b) {
  double angle = std::atan2(b[1] - a[1], b[0] - a[0]);
  if (angle < 0) angle += 2 * M_PI;
  return angle < 2 * M_PI ? angle : 0.0;
}

// The point moved in plan by `d` at `angle`; z kept.
inline framework::Point3D polaire(const framework::Point3D& p, double angle, double d) {
  return {p[0] + d * std::cos(angle), p[1] + d * std::sin(angle), p[2]};
}

// The point at plan distance `s` from a towards b, z interpolated by plan
// distance; a when the two share x and y.
inline framework::Point3D pointADistance(const framework::Point3D& a, const framework::Point3D& b,
                                         double s) {
  const double l = distancePlan(a, b);
  if (!(l > 0)) return a;
  const double f = s / l;
  return {a[0] + f * (b[0] - a[0]), a[1] + f * (b[1] - a[1]), a[2] + f * (b[2] - a[2])};
}

}  // namespace tools3d
