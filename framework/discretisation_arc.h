// The arc of a polyline segment turned into points, for output that cannot
// carry arcs (3D polylines).
#pragma once
#include <vector>

#include "framework/point_3d.h"

namespace framework {

// Points along the plan arc from `debut` to `fin` whose bulge (tangent of a
// quarter of the included angle, positive counter-clockwise) is `renflement`:
// `debut` first, `fin` last, z interpolated along the arc, and none within
// pi/64 of the end. The step along the arc is `pas` when positive; with 0 the
// setting DiscArc is taken instead; a value below -1 is a number of segments;
// from -1 to 0, five segments per eighth of a turn plus five.
std::vector<Point3D> discretiseArc(const Point3D& debut, const Point3D& fin, double renflement,
                                   double pas);

}  // namespace framework
