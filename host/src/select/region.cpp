#include "select/region.h"

#include <algorithm>
#include <cmath>

namespace host::geo {

namespace {

double orient(const Vec2& a, const Vec2& b, const Vec2& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool onSegment(const Vec2& a, const Vec2& b, const Vec2& p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

Vec2 plan(const Vec3& v) { return {v.x, v.y}; }

double segmentDistance(const Vec2& a, const Vec2& b, double x, double y) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

// Calls fn(a, b) for each segment of the shape; single points give fn(p, p).
template <typename Fn>
bool anySegment(const Shape& s, Fn fn) {
  for (const Shape::Path& path : s.paths) {
    if (path.end == path.begin) continue;
    if (path.end - path.begin == 1) {
      const Vec2 p = plan(s.verts[path.begin]);
      if (fn(p, p)) return true;
      continue;
    }
    for (uint32_t i = path.begin + 1; i < path.end; ++i)
      if (fn(plan(s.verts[i - 1]), plan(s.verts[i]))) return true;
    if (path.closed && fn(plan(s.verts[path.end - 1]), plan(s.verts[path.begin]))) return true;
  }
  return false;
}

}  // namespace

bool segmentsMeet(const Vec2& p, const Vec2& q, const Vec2& r, const Vec2& s) {
  const double d1 = orient(r, s, p), d2 = orient(r, s, q);
  const double d3 = orient(p, q, r), d4 = orient(p, q, s);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
    return true;
  if (d1 == 0 && onSegment(r, s, p)) return true;
  if (d2 == 0 && onSegment(r, s, q)) return true;
  if (d3 == 0 && onSegment(p, q, r)) return true;
  if (d4 == 0 && onSegment(p, q, s)) return true;
  return false;
}

Area Area::window(Vec2 a, Vec2 b) {
  Area w;
  w.rect_ = true;
  w.x0_ = std::min(a.x, b.x);
  w.x1_ = std::max(a.x, b.x);
  w.y0_ = std::min(a.y, b.y);
  w.y1_ = std::max(a.y, b.y);
  w.pts_ = {{w.x0_, w.y0_}, {w.x1_, w.y0_}, {w.x1_, w.y1_}, {w.x0_, w.y1_}};
  return w;
}

Area Area::polygon(std::vector<Vec2> pts) {
  Area a;
  a.rect_ = false;
  a.pts_ = std::move(pts);
  a.x0_ = a.y0_ = HUGE_VAL;
  a.x1_ = a.y1_ = -HUGE_VAL;
  for (const Vec2& p : a.pts_) {
    a.x0_ = std::min(a.x0_, p.x);
    a.y0_ = std::min(a.y0_, p.y);
    a.x1_ = std::max(a.x1_, p.x);
    a.y1_ = std::max(a.y1_, p.y);
  }
  return a;
}

bool Area::inside(double x, double y) const {
  if (x < x0_ || x > x1_ || y < y0_ || y > y1_) return false;
  if (rect_) return true;
  const size_t n = pts_.size();
  bool in = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const Vec2 &a = pts_[i], &b = pts_[j];
    if (orient(a, b, {x, y}) == 0 && onSegment(a, b, {x, y})) return true;  // on the boundary
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

bool Area::edgeCrosses(const Vec2& a, const Vec2& b) const {
  const size_t n = pts_.size();
  for (size_t i = 0; i < n; ++i)
    if (segmentsMeet(a, b, pts_[i], pts_[(i + 1) % n])) return true;
  return false;
}

bool Area::encloses(const Shape& s) const {
  if (s.empty() || pts_.size() < 3) return false;
  double sx0, sy0, sx1, sy1;
  s.bounds(sx0, sy0, sx1, sy1);
  if (sx0 < x0_ || sx1 > x1_ || sy0 < y0_ || sy1 > y1_) return false;
  if (rect_) return true;  // a convex window holds whatever its corners' box holds
  for (const Vec3& v : s.verts)
    if (!inside(v.x, v.y)) return false;
  // A concave polygon can let a segment out between two inside points.
  return !anySegment(s, [&](const Vec2& a, const Vec2& b) {
    if (a.x == b.x && a.y == b.y) return false;
    const size_t n = pts_.size();
    for (size_t i = 0; i < n; ++i) {
      const Vec2 &p = pts_[i], &q = pts_[(i + 1) % n];
      const double d1 = orient(p, q, a), d2 = orient(p, q, b);
      const double d3 = orient(a, b, p), d4 = orient(a, b, q);
      if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    }
    return false;
  });
}

bool Area::touches(const Shape& s) const {
  if (s.empty() || pts_.size() < 3) return false;
  double sx0, sy0, sx1, sy1;
  s.bounds(sx0, sy0, sx1, sy1);
  if (sx1 < x0_ || sx0 > x1_ || sy1 < y0_ || sy0 > y1_) return false;
  for (const Vec3& v : s.verts)
    if (inside(v.x, v.y)) return true;
  return anySegment(s, [&](const Vec2& a, const Vec2& b) { return edgeCrosses(a, b); });
}

bool crossesFence(const Shape& s, const std::vector<Vec2>& fence) {
  if (fence.size() < 2) return false;
  return anySegment(s, [&](const Vec2& a, const Vec2& b) {
    for (size_t i = 1; i < fence.size(); ++i)
      if (segmentsMeet(a, b, fence[i - 1], fence[i])) return true;
    return false;
  });
}

double planDistance(const Shape& s, double x, double y) {
  double best = HUGE_VAL;
  anySegment(s, [&](const Vec2& a, const Vec2& b) {
    best = std::min(best, segmentDistance(a, b, x, y));
    return false;
  });
  return best;
}

}  // namespace host::geo
