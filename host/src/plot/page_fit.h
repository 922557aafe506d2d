// The plan extents of a drawing and the transform that fits them on a page.
#pragma once
#include <cmath>

namespace plot {

// Whether a world coordinate can be plotted: finite, and within what any
// survey grid holds (larger values are garbage that would crush the rest).
inline bool usableCoordinate(double v) { return std::isfinite(v) && std::fabs(v) < 1e10; }

struct Box {
  double x0 = HUGE_VAL, y0 = HUGE_VAL, x1 = -HUGE_VAL, y1 = -HUGE_VAL;
  void add(double x, double y);
  bool empty() const { return x0 > x1; }
};

// World plan coordinates to page coordinates (y down), the extents centred
// with a margin all round at one scale. Empty or zero-sized extents get a scale
// all the same: a point ends in the middle of the page.
class PageTransform {
 public:
  PageTransform(const Box& extents, double width, double height, double margin);
  double x(double wx) const { return ox_ + (wx - cx_) * scale_; }
  double y(double wy) const { return oy_ - (wy - cy_) * scale_; }
  double scale() const { return scale_; }  // page units a world unit

 private:
  double cx_ = 0, cy_ = 0, ox_ = 0, oy_ = 0, scale_ = 1;
};

}  // namespace plot
