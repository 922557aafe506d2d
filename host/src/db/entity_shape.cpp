#include "db/entity_shape.h"

#include <algorithm>
#include <cmath>

#include "db/database.h"

namespace host::geo {

namespace {

using db::EntityType;

constexpr double kPi = 3.14159265358979323846;
// Curves are sampled at most this angle apart: fine enough for window tests.
constexpr double kStep = kPi / 32;

Vec3 pointOf(const db::Database& db, const db::Entity& e, int code, Vec3 fallback = {}) {
  const db::Group* g = db.find(e, code);
  return g ? Vec3(g->v) : fallback;
}

double realOf(const db::Database& db, const db::Entity& e, int code, double fallback = 0) {
  const db::Group* g = db.find(e, code);
  return g ? g->v[0] : fallback;
}

int64_t intOf(const db::Database& db, const db::Entity& e, int code, int64_t fallback = 0) {
  const db::Group* g = db.find(e, code);
  return g ? g->asInt() : fallback;
}

// Builds paths in the entity's own coordinates, then maps them to the world.
class Builder {
 public:
  Builder(Shape& s, bool snaps) : s_(s), snaps_(snaps) {}

  void beginPath() {
    Shape::Path p;
    p.begin = p.end = static_cast<uint32_t>(s_.verts.size());
    s_.paths.push_back(p);
  }
  void add(const Vec3& p) {
    s_.verts.push_back(p);
    s_.paths.back().end = static_cast<uint32_t>(s_.verts.size());
  }
  void close() { s_.paths.back().closed = true; }
  void point(const Vec3& p) {
    beginPath();
    add(p);
  }
  void end(const Vec3& p) {
    if (snaps_) s_.ends.push_back(p);
  }
  void mid(const Vec3& p) {
    if (snaps_) s_.mids.push_back(p);
  }
  void center(const Vec3& p) {
    if (snaps_) s_.centers.push_back(p);
  }
  void node(const Vec3& p) {
    if (snaps_) s_.nodes.push_back(p);
  }
  // A straight segment's snaps (its ends are added as vertices by the caller).
  void segmentSnaps(const Vec3& a, const Vec3& b) {
    if (snaps_) s_.mids.push_back((a + b) * 0.5);
  }

  // Arc of centre c, radius r from angle a0 sweeping `sweep` (radians, signed),
  // in the plane z = c.z; extreme points at the quadrants are kept exactly.
  void arc(const Vec3& c, double r, double a0, double sweep, bool withEnds) {
    std::vector<double> angles{0.0, sweep};
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / kStep)));
    for (int k = 1; k < n; ++k) angles.push_back(sweep * k / n);
    for (int q = -8; q <= 8; ++q) {
      const double t = q * kPi / 2 - a0;
      if ((sweep > 0 && t > 0 && t < sweep) || (sweep < 0 && t < 0 && t > sweep))
        angles.push_back(t);
    }
    if (sweep >= 0)
      std::sort(angles.begin(), angles.end());
    else
      std::sort(angles.begin(), angles.end(), std::greater<double>());
    angles.erase(std::unique(angles.begin(), angles.end(),
                             [](double u, double v) { return std::fabs(u - v) < 1e-12; }),
                 angles.end());
    for (double t : angles) add({c.x + r * std::cos(a0 + t), c.y + r * std::sin(a0 + t), c.z});
    if (withEnds) {
      end({c.x + r * std::cos(a0), c.y + r * std::sin(a0), c.z});
      end({c.x + r * std::cos(a0 + sweep), c.y + r * std::sin(a0 + sweep), c.z});
    }
    mid({c.x + r * std::cos(a0 + sweep / 2), c.y + r * std::sin(a0 + sweep / 2), c.z});
  }

  // Segment a-b of a 2D polyline with a bulge (tan of a quarter of the included angle).
  void bulgedSegment(const Vec3& a, const Vec3& b, double bulge) {
    if (std::fabs(bulge) < 1e-12) {
      add(b);
      segmentSnaps(a, b);
      return;
    }
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double chord = std::hypot(dx, dy);
    if (chord < 1e-15) return;
    const double d = chord / 2 * (1 - bulge * bulge) / (2 * bulge);
    const Vec3 m = (a + b) * 0.5;
    const Vec3 c(m.x - dy / chord * d, m.y + dx / chord * d, a.z);
    const double r = std::hypot(a.x - c.x, a.y - c.y);
    const double a0 = std::atan2(a.y - c.y, a.x - c.x);
    const size_t before = s_.verts.size();
    arc(c, r, a0, 4 * std::atan(bulge), false);
    // arc() starts again at a, which the path already holds
    s_.verts.erase(s_.verts.begin() + static_cast<long>(before));
    s_.paths.back().end = static_cast<uint32_t>(s_.verts.size());
  }

  // Maps everything added since `firstVert` (and the snap points) from `f` to the world.
  void toWorld(const Frame& f, size_t firstVert) {
    if (f.isWorld()) return;
    for (size_t i = firstVert; i < s_.verts.size(); ++i) s_.verts[i] = f.toWorld(s_.verts[i]);
    for (auto* v : {&s_.ends, &s_.mids, &s_.centers, &s_.nodes})
      for (auto& p : *v) p = f.toWorld(p);
  }

 private:
  Shape& s_;
  bool snaps_;
};

Frame ocsOf(const db::Database& db, const db::Entity& e) {
  Frame f;
  const db::Group* g = db.find(e, 210);
  if (g && !arbitraryAxis(Vec3(g->v), f)) f = Frame();
  return f;
}

// A polyline's path through its vertices, each segment bent by its start's bulge.
void bulgedPath(const std::vector<Vec3>& pts, const std::vector<double>& bulges, bool closed,
                Builder& b) {
  b.beginPath();
  b.add(pts[0]);
  for (const Vec3& p : pts) b.end(p);
  for (size_t i = 1; i < pts.size(); ++i) b.bulgedSegment(pts[i - 1], pts[i], bulges[i - 1]);
  if (closed && pts.size() > 2) {
    b.bulgedSegment(pts.back(), pts[0], bulges.back());
    b.close();
  }
}

void polylineShape(const db::Database& db, size_t index, Builder& b) {
  const db::Entity& head = db.entities[index];
  const int64_t flags = intOf(db, head, 70);
  const bool is3d = (flags & (8 | 16 | 64)) != 0;
  const bool isMesh = (flags & (16 | 64)) != 0;
  const double elevation = pointOf(db, head, 10).z;
  std::vector<Vec3> pts;
  std::vector<double> bulges;
  for (size_t i = index + 1; i < db.entities.size(); ++i) {
    const db::Entity& v = db.entities[i];
    if (v.type != EntityType::Vertex) break;
    const int64_t vflags = intOf(db, v, 70);
    if ((flags & 64) && (vflags & 128) && !(vflags & 64)) continue;  // a face record
    Vec3 p = pointOf(db, v, 10);
    if (!is3d) p.z = elevation;
    pts.push_back(p);
    bulges.push_back(is3d ? 0.0 : realOf(db, v, 42));
  }
  if (pts.empty()) return;
  if (isMesh) {
    // Meshes: their vertices are enough for windows and picks.
    for (const Vec3& p : pts) {
      b.point(p);
      b.end(p);
    }
    return;
  }
  const bool closed = (flags & 1) != 0;
  bulgedPath(pts, bulges, closed, b);
}

void lwpolylineShape(const db::Database& db, const db::Entity& e, Builder& b) {
  const double elevation = realOf(db, e, 38);
  const bool closed = (intOf(db, e, 70) & 1) != 0;
  std::vector<Vec3> pts;
  std::vector<double> bulges;
  for (const db::Group& g : e.groups) {
    if (g.code == 10) {
      pts.emplace_back(g.v[0], g.v[1], elevation);
      bulges.push_back(0);
    } else if (g.code == 42 && !bulges.empty()) {
      bulges.back() = g.v[0];
    }
  }
  if (pts.empty()) return;
  bulgedPath(pts, bulges, closed, b);
}

void cornersShape(const std::vector<Vec3>& corners, Builder& b) {
  b.beginPath();
  for (size_t i = 0; i < corners.size(); ++i) {
    b.add(corners[i]);
    b.end(corners[i]);
    b.segmentSnaps(corners[i], corners[(i + 1) % corners.size()]);
  }
  b.close();
}

}  // namespace

void Shape::clear() {
  verts.clear();
  paths.clear();
  ends.clear();
  mids.clear();
  centers.clear();
  nodes.clear();
}

void Shape::bounds(double& x0, double& y0, double& x1, double& y1) const {
  x0 = y0 = HUGE_VAL;
  x1 = y1 = -HUGE_VAL;
  for (const Vec3& p : verts) {
    x0 = std::min(x0, p.x);
    y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x);
    y1 = std::max(y1, p.y);
  }
}

bool isMainEntity(const db::Entity& e) {
  return e.type != EntityType::Vertex && e.type != EntityType::Seqend &&
         e.type != EntityType::Attrib;
}

bool entityShape(const db::Database& db, size_t index, Shape& out, bool withSnaps) {
  out.clear();
  if (index >= db.entities.size()) return false;
  const db::Entity& e = db.entities[index];
  if (!isMainEntity(e)) return false;
  Builder b(out, withSnaps);
  switch (e.type) {
    case EntityType::Point: {
      const Vec3 p = pointOf(db, e, 10);
      b.point(p);
      b.node(p);
      break;
    }
    case EntityType::Line: {
      const Vec3 p = pointOf(db, e, 10), q = pointOf(db, e, 11);
      b.beginPath();
      b.add(p);
      b.add(q);
      b.end(p);
      b.end(q);
      b.segmentSnaps(p, q);
      break;
    }
    case EntityType::Face3d: {
      const Vec3 c = pointOf(db, e, 12);
      cornersShape({pointOf(db, e, 10), pointOf(db, e, 11), c, pointOf(db, e, 13, c)}, b);
      break;
    }
    case EntityType::Solid: {
      // A solid's third and fourth corners are drawn crosswise.
      const Vec3 c = pointOf(db, e, 12);
      cornersShape({pointOf(db, e, 10), pointOf(db, e, 11), pointOf(db, e, 13, c), c}, b);
      b.toWorld(ocsOf(db, e), 0);
      break;
    }
    case EntityType::Polyline: {
      const int64_t flags = intOf(db, e, 70);
      polylineShape(db, index, b);
      if (!(flags & (8 | 16 | 64))) b.toWorld(ocsOf(db, e), 0);
      break;
    }
    case EntityType::LwPolyline:
      lwpolylineShape(db, e, b);
      b.toWorld(ocsOf(db, e), 0);
      break;
    case EntityType::Circle: {
      const Vec3 c = pointOf(db, e, 10);
      const double r = std::fabs(realOf(db, e, 40));
      b.beginPath();
      b.arc(c, r, 0, 2 * kPi, false);
      out.verts.pop_back();  // the last sample repeats the first
      out.paths.back().end = static_cast<uint32_t>(out.verts.size());
      b.close();
      if (withSnaps) out.mids.clear();
      b.center(c);
      b.toWorld(ocsOf(db, e), 0);
      break;
    }
    case EntityType::Arc: {
      const Vec3 c = pointOf(db, e, 10);
      const double r = std::fabs(realOf(db, e, 40));
      const double a0 = realOf(db, e, 50) * kPi / 180;
      double a1 = realOf(db, e, 51) * kPi / 180;
      while (a1 <= a0) a1 += 2 * kPi;
      while (a1 - a0 > 2 * kPi) a1 -= 2 * kPi;
      b.beginPath();
      b.arc(c, r, a0, a1 - a0, true);
      b.center(c);
      b.toWorld(ocsOf(db, e), 0);
      break;
    }
    case EntityType::Text:
    case EntityType::Attdef:
    case EntityType::Insert: {
      const Vec3 p = pointOf(db, e, 10);
      b.point(p);
      b.node(p);
      b.toWorld(ocsOf(db, e), 0);
      break;
    }
    default:
      // Unknown kinds: every point they carry, as world points.
      for (const db::Group& g : e.groups) {
        if (g.code >= 10 && g.code <= 18 && g.kind == db::Group::Point) b.point(Vec3(g.v));
      }
      break;
  }
  return !out.empty();
}

}  // namespace host::geo
