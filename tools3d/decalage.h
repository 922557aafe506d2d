// Offset of a 3D polyline in plan by a distance, raised by a height that may
// ramp from the start to the end, with the loops of inside corners cut off.
#pragma once
#include <functional>
#include <vector>

#include "framework/point_3d.h"

namespace tools3d {

using framework::Point3D;

// The side sign of the offset: +1 when q lies left of the first segment a0->a1.
int coteDecalage(const Point3D& a0, const Point3D& a1, const Point3D& q);

// The offset polyline of `points` (two or more) by `distance` on side `cote`,
// each point raised by `deltaZ1`. `sommetEnCours` hears each inner vertex's
// number (counted from 3).
std::vector<Point3D> decale(const std::vector<Point3D>& points, double distance, int cote,
                            double deltaZ1,
                            const std::function<void(int)>& sommetEnCours = nullptr);

// Adds to each point the share of (deltaZ2 - deltaZ1) of its plan length from
// the start (by rank when the polyline has no plan length).
void appliqueRampe(std::vector<Point3D>& points, double deltaZ1, double deltaZ2);

// Whether p lies on the segment a-b, and the point to use for it.
using SUR_SEGMENT =
    std::function<bool(const Point3D& a, const Point3D& b, const Point3D& p, Point3D& surSegment)>;

// The part of the polyline from p1 to p2 (in vertex order, whichever comes
// first); empty when one of them is on no segment.
std::vector<Point3D> partie(const std::vector<Point3D>& sommets, const Point3D& p1,
                            const Point3D& p2, const SUR_SEGMENT& surSegment);

}  // namespace tools3d
