// Geometry and display: coordinate transformations, temporary vectors,
// object snaps, and the point helpers polar / distance / angle / inters.
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "acedads.h"
#include "base/coords.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "core/session.h"
#include "db/entity_names.h"
#include "select/object_snap.h"
#include "select/pick.h"

namespace host {

namespace {

using geo::Frame;
using geo::Vec3;

constexpr double kTwoPi = 6.28318530717958647692;
constexpr int kErrTransArguments = 15;
constexpr int kErrTransSpace = 16;

// Entities whose coordinates are world ones whatever their extrusion.
bool worldCoordinates(const db::Database& db, size_t index) {
  const db::Entity& e = db.entities[index];
  switch (e.type) {
    case db::EntityType::Line:
    case db::EntityType::Point:
    case db::EntityType::Face3d: return true;
    case db::EntityType::Polyline:
    case db::EntityType::Vertex:
    case db::EntityType::Seqend: {
      const db::Entity& head = db.entities[db.complexRange(index).first];
      const db::Group* flags = db.find(head, 70);
      return flags && (flags->asInt() & (8 | 16 | 64));
    }
    default: return false;
  }
}

// The coordinate system a trans argument names; 0 or the ERRNO to report.
int frameOf(const resbuf* rb, Frame& f) {
  if (!rb || !session().currentPtr()) return kErrTransArguments;
  Document& doc = session().current();
  switch (rb->restype) {
    case RTSHORT:
      switch (rb->resval.rint) {
        case 0: f = Frame(); return 0;
        case 1:
        case 2: f = geo::userFrame(doc.vars()); return 0;  // the view looks down the user's Z
        default: return kErrTransSpace;
      }
    case RTENAME: {
      const db::Database& db = doc.db();
      const int64_t i = indexOfName(db, rb->resval.rlname);
      if (i < 0) return kErrInvalidName;
      f = Frame();
      if (worldCoordinates(db, static_cast<size_t>(i))) return 0;
      // Vertices are in their polyline's system.
      const db::Entity& owner = db.entities[db.complexRange(static_cast<size_t>(i)).first];
      const db::Group* normal = db.find(owner, 210);
      if (normal && !geo::arbitraryAxis(Vec3(normal->v), f)) return kErrTransArguments;
      return 0;
    }
    case RTPOINT:
    case RT3DPOINT: {
      const Vec3 n(rb->resval.rpoint[0], rb->resval.rpoint[1],
                   rb->restype == RTPOINT ? 0.0 : rb->resval.rpoint[2]);
      return geo::arbitraryAxis(n, f) ? 0 : kErrTransArguments;
    }
    default: return kErrTransArguments;
  }
}

int trans(const double* pt, const resbuf* from, const resbuf* to, int disp, double* result) {
  if (!pt || !result) return RTERROR;
  Frame a, b;
  int err = frameOf(from, a);
  if (!err) err = frameOf(to, b);
  if (err) {
    session().setErrno(err);
    return RTERROR;
  }
  b.fromWorld(a.toWorld(Vec3(pt), disp != 0), disp != 0).store(result);
  return RTNORM;
}

int osnap(const double* pt, const char* modeText, double* result) {
  if (!pt || !result || !session().currentPtr()) return RTERROR;
  std::vector<geo::Snap> modes;
  bool none = false;
  if (!geo::parseSnapModes(modeText, modes, none)) {
    session().print("** osnap: mode d'accrochage inconnu \"" +
                    std::string(modeText ? modeText : "") + "\" **\n");
    return RTERROR;
  }
  Document& doc = session().current();
  const Frame ucs = geo::userFrame(doc.vars());
  Vec3 snapped;
  if (!modes.empty() && geo::findSnap(doc.db(), modes, ucs.toWorld(Vec3(pt)),
                                      geo::apertureTolerance(doc.vars()), snapped)) {
    ucs.fromWorld(snapped).store(result);
    return RTNORM;
  }
  if (!none) return RTERROR;
  std::copy(pt, pt + 3, result);  // "_non": the point itself
  return RTNORM;
}

// Where two lines (or segments, with teston) meet in space: they must be in
// one plane and not parallel. RTNONE when they do not meet.
int inters(const double* f1, const double* t1, const double* f2, const double* t2, int teston,
           double* result) {
  if (!f1 || !t1 || !f2 || !t2 || !result) return RTERROR;
  const Vec3 a(f1), d1 = Vec3(t1) - a, c(f2), d2 = Vec3(t2) - c;
  double scale = 1;
  for (const double* p : {f1, t1, f2, t2})
    for (int i = 0; i < 3; ++i) scale = std::max(scale, std::fabs(p[i]));
  constexpr double eps = 1e-10;
  // A segment of no length is a point: the lines meet there when it lies on
  // the other one (within its ends, with teston). Applications test whether a
  // point is on a segment this way.
  if (d1.dot(d1) == 0 || d2.dot(d2) == 0) {
    const bool firstIsPoint = d1.dot(d1) == 0;
    const Vec3 point = firstIsPoint ? a : c, origin = firstIsPoint ? c : a;
    const Vec3 dir = firstIsPoint ? d2 : d1;
    const double dd = dir.dot(dir);
    if (dd == 0) return RTNONE;
    const double t = (point - origin).dot(dir) / dd;
    const Vec3 off = point - (origin + dir * t);
    if (std::sqrt(off.dot(off)) > eps * scale) return RTNONE;
    if (teston && (t < -eps || t > 1 + eps)) return RTNONE;
    point.store(result);
    return RTNORM;
  }
  const Vec3 n = d1.cross(d2);
  const double nn = n.dot(n);
  if (nn <= 1e-24 * d1.dot(d1) * d2.dot(d2) || nn == 0) return RTNONE;  // parallel
  const Vec3 r = c - a;
  if (std::fabs(r.dot(n)) / std::sqrt(nn) > 1e-10 * scale) return RTNONE;  // skew lines
  const double t = r.cross(d2).dot(n) / nn;
  const double u = r.cross(d1).dot(n) / nn;
  if (teston && (t < -eps || t > 1 + eps || u < -eps || u > 1 + eps)) return RTNONE;
  (a + d1 * t).store(result);
  return RTNORM;
}

}  // namespace
}  // namespace host

using host::guardedCall;

extern "C" {

int acedTrans(const ads_point pt, const struct resbuf* from, const struct resbuf* to, int disp,
              ads_point result) {
  return guardedCall("trans", [&] { return host::trans(pt, from, to, disp, result); });
}

int acedGrDraw(const ads_point from, const ads_point to, int color, int hl) {
  return guardedCall("grdraw", [&] {
    if (!from || !to) return RTERROR;
    host::GrVector v{};
    std::copy(from, from + 3, v.from);
    std::copy(to, to + 3, v.to);
    v.color = color;
    v.highlight = hl;
    host::session().grVectors.push_back(v);
    return RTNORM;
  });
}

// Redrawing the whole drawing wipes the temporary vectors; an entity's
// redraw, undraw or highlight changes nothing a headless host keeps.
int acedRedraw(const ads_name ent, int mode) {
  return guardedCall("redraw", [&] {
    host::Session& s = host::session();
    if (!ent) {
      if (mode == 0) s.grVectors.clear();
      return RTNORM;
    }
    if (!s.currentPtr() || host::indexOfName(s.current().db(), ent) < 0) {
      s.setErrno(host::kErrInvalidName);
      return RTERROR;
    }
    return mode >= -4 && mode <= 4 ? RTNORM : RTERROR;
  });
}

int acedOsnap(const ads_point pt, const ACHAR* mode, ads_point result) {
  return guardedCall("osnap", [&] { return host::osnap(pt, mode, result); });
}

void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result) {
  return host::guardedCall(__func__, [&]() -> void {
    if (!pt || !result) return;
    result[0] = pt[0] + dist * std::cos(angle);
    result[1] = pt[1] + dist * std::sin(angle);
    result[2] = pt[2];
  });
}

ads_real acutDistance(const ads_point p1, const ads_point p2) {
  return host::guardedCall(__func__, [&]() -> ads_real {
    if (!p1 || !p2) return 0.0;
    return std::sqrt((p2[0] - p1[0]) * (p2[0] - p1[0]) + (p2[1] - p1[1]) * (p2[1] - p1[1]) +
                     (p2[2] - p1[2]) * (p2[2] - p1[2]));
  });
}

// In the XY plane, from the X axis, in [0, 2pi).
ads_real acutAngle(const ads_point p1, const ads_point p2) {
  return host::guardedCall(__func__, [&]() -> ads_real {
    if (!p1 || !p2) return 0.0;
    double a = std::atan2(p2[1] - p1[1], p2[0] - p1[0]);
    if (a < 0) a += host::kTwoPi;
    return a >= host::kTwoPi ? 0.0 : a;
  });
}

int acdbInters(const ads_point from1, const ads_point to1, const ads_point from2,
               const ads_point to2, int teston, ads_point result) {
  return guardedCall("inters",
                     [&] { return host::inters(from1, to1, from2, to2, teston, result); });
}

}  // extern "C"
