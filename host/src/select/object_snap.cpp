#include "select/object_snap.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "db/database.h"
#include "db/entity_shape.h"
#include "select/pick.h"
#include "select/region.h"

namespace host::geo {

namespace {

struct Segment {
  Vec3 a, b;
};

double plan(const Vec3& p, const Vec3& q) { return std::hypot(p.x - q.x, p.y - q.y); }

Vec3 nearestOn(const Segment& s, const Vec3& p) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  const double len2 = dx * dx + dy * dy;
  const double t =
      len2 > 0 ? std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / len2, 0.0, 1.0) : 0;
  return s.a + (s.b - s.a) * t;
}

// Plan crossing of two segments, with the height of the first at that place.
bool crossing(const Segment& s, const Segment& t, Vec3& out) {
  const double d1x = s.b.x - s.a.x, d1y = s.b.y - s.a.y;
  const double d2x = t.b.x - t.a.x, d2y = t.b.y - t.a.y;
  const double den = d1x * d2y - d1y * d2x;
  if (std::fabs(den) < 1e-15) return false;
  const double rx = t.a.x - s.a.x, ry = t.a.y - s.a.y;
  const double u = (rx * d2y - ry * d2x) / den;
  const double v = (rx * d1y - ry * d1x) / den;
  constexpr double eps = 1e-9;
  if (u < -eps || u > 1 + eps || v < -eps || v > 1 + eps) return false;
  out = s.a + (s.b - s.a) * u;
  return true;
}

void segmentsOf(const Shape& s, std::vector<Segment>& out) {
  for (const auto& path : s.paths) {
    for (uint32_t i = path.begin + 1; i < path.end; ++i)
      out.push_back({s.verts[i - 1], s.verts[i]});
    if (path.closed && path.end - path.begin > 2)
      out.push_back({s.verts[path.end - 1], s.verts[path.begin]});
  }
}

}  // namespace

bool parseSnapModes(const char* text, std::vector<Snap>& modes, bool& none) {
  none = false;
  const std::string s = text ? text : "";
  size_t start = 0;
  while (start <= s.size()) {
    size_t end = s.find(',', start);
    if (end == std::string::npos) end = s.size();
    std::string word;
    for (size_t i = start; i < end; ++i)
      if (s[i] != ' ')
        word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(s[i]))));
    start = end + 1;
    if (word.empty()) continue;
    if (word[0] == '_') word.erase(0, 1);
    const std::string w = word.substr(0, 3);
    if (w == "end" || w == "fin")
      modes.push_back(Snap::End);
    else if (w == "mid" || w == "mil")
      modes.push_back(Snap::Mid);
    else if (w == "cen")
      modes.push_back(Snap::Center);
    else if (w == "nod" || w == "ins")
      modes.push_back(Snap::Node);
    else if (w == "nea" || w == "pro")
      modes.push_back(Snap::Nearest);
    else if (w == "int")
      modes.push_back(Snap::Intersection);
    else if (w == "non" || w == "auc")
      none = true;
    else
      return false;
  }
  return true;
}

bool findSnap(const db::Database& db, const std::vector<Snap>& modes, const Vec3& w,
              double aperture, Vec3& out) {
  auto want = [&](Snap m) { return std::find(modes.begin(), modes.end(), m) != modes.end(); };
  std::vector<Vec3> candidates;
  std::vector<Segment> near;  // segments passing through the aperture, for intersections
  Shape shape;
  for (size_t i = 0; i < db.entities.size(); ++i) {
    if (!isMainEntity(db.entities[i]) || !isVisible(db, i)) continue;
    if (!entityShape(db, i, shape, /*withSnaps=*/true)) continue;
    double x0, y0, x1, y1;
    shape.bounds(x0, y0, x1, y1);
    if (w.x < x0 - aperture || w.x > x1 + aperture || w.y < y0 - aperture || w.y > y1 + aperture)
      continue;
    if (planDistance(shape, w.x, w.y) > aperture) continue;
    // End, middle and centre points may lie outside the aperture: the entity
    // passing through it is what counts, as when picking a long line.
    if (want(Snap::End)) candidates.insert(candidates.end(), shape.ends.begin(), shape.ends.end());
    if (want(Snap::Mid)) candidates.insert(candidates.end(), shape.mids.begin(), shape.mids.end());
    if (want(Snap::Center))
      candidates.insert(candidates.end(), shape.centers.begin(), shape.centers.end());
    if (want(Snap::Node))
      candidates.insert(candidates.end(), shape.nodes.begin(), shape.nodes.end());
    if (want(Snap::Nearest) || want(Snap::Intersection)) {
      std::vector<Segment> segs;
      segmentsOf(shape, segs);
      for (const Segment& s : segs) {
        const Vec3 n = nearestOn(s, w);
        if (plan(n, w) > aperture) continue;
        if (want(Snap::Nearest)) candidates.push_back(n);
        near.push_back(s);
      }
      if (want(Snap::Nearest) && segs.empty())
        candidates.insert(candidates.end(), shape.verts.begin(), shape.verts.end());
    }
  }
  if (want(Snap::Intersection)) {
    for (size_t i = 0; i < near.size(); ++i)
      for (size_t j = i + 1; j < near.size(); ++j) {
        Vec3 x;
        if (crossing(near[i], near[j], x) && plan(x, w) <= aperture) candidates.push_back(x);
      }
  }
  if (candidates.empty()) return false;
  const Vec3* best = &candidates[0];
  for (const Vec3& c : candidates)
    if (plan(c, w) < plan(*best, w)) best = &c;
  out = *best;
  return true;
}

}  // namespace host::geo
