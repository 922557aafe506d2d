// Plan tests of shapes against selection windows, polygons and fences, and
// the plan distance used by picks and object snaps.
#pragma once
#include <vector>

#include "db/entity_shape.h"

namespace host::geo {

struct Vec2 {
  double x = 0, y = 0;
};

// A closed selection area in world plan coordinates: an axis-aligned window
// when `rect`, else any simple polygon.
class Area {
 public:
  static Area window(Vec2 a, Vec2 b);
  static Area polygon(std::vector<Vec2> pts);
  // Every point of the shape inside (boundary included).
  bool encloses(const Shape& s) const;
  // Some part of the shape inside or on the boundary.
  bool touches(const Shape& s) const;

 private:
  bool inside(double x, double y) const;
  bool edgeCrosses(const Vec2& a, const Vec2& b) const;
  bool rect_ = true;
  double x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0;  // bounds (the window itself when rect_)
  std::vector<Vec2> pts_;
};

// Segments p-q and r-s meet (ends included), in plan.
bool segmentsMeet(const Vec2& p, const Vec2& q, const Vec2& r, const Vec2& s);

// Some part of the shape lies on the open polyline `fence`.
bool crossesFence(const Shape& s, const std::vector<Vec2>& fence);

// Smallest plan distance from (x, y) to the shape.
double planDistance(const Shape& s, double x, double y);

}  // namespace host::geo
