// The two tolerances of the terrain geometry, and pi.
#pragma once
#include <cmath>

namespace terrain {

// Coordinate equality, null vectors, plane determinants, collinearity and the
// slack of a point on a segment, in metres (or square metres).
inline constexpr double EPS_COORD = 0.001;
// Determinant of two segments, side test and duplicate vertices of clipping.
inline constexpr double EPS_DET = 1e-8;

inline const double PI = 4.0 * std::atan(1.0);

}  // namespace terrain
