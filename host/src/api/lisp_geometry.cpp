// Geometry: polar distance angle (plain computation), inters trans osnap
// grdraw redraw (through the host's C API).
#include <cmath>

#include "acedads.h"
#include "lisp/args.h"
#include "lisp/error.h"
#include "lisp/host_link.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

// (polar point angle distance): keeps the point's dimension.
Value sPolar(Args& a) {
  double p[3];
  const bool is3d = a.point(0, p);
  const double angle = a.number(1), dist = a.number(2);
  const double r[3] = {p[0] + dist * std::cos(angle), p[1] + dist * std::sin(angle), p[2]};
  return makePoint(r, is3d);
}

// In 3D when both points are 3D, in plan otherwise.
Value sDistance(Args& a) {
  double p[3], q[3];
  // Both points are read, whatever the first one is.
  const bool p3d = a.point(0, p);
  const bool q3d = a.point(1, q);
  const double dx = q[0] - p[0], dy = q[1] - p[1], dz = p3d && q3d ? q[2] - p[2] : 0.0;
  return Value::real(std::sqrt(dx * dx + dy * dy + dz * dz));
}

// Direction in plan, in [0, 2pi).
Value sAngle(Args& a) {
  double p[3], q[3];
  a.point(0, p);
  a.point(1, q);
  double angle = std::atan2(q[1] - p[1], q[0] - p[0]);
  if (angle < 0) angle += kTwoPi;
  return Value::real(angle);
}

// (inters p1 p2 p3 p4 [on-segments]): on-segments defaults to T.
Value sInters(Args& a) {
  ads_point p[4];
  bool all3d = true;
  for (size_t i = 0; i < 4; ++i) all3d = a.point(i, p[i]) && all3d;
  if (!all3d)
    for (auto& q : p) q[2] = 0;
  const int onSegments = a.has(4) && a[4].isNil() ? 0 : 1;
  ads_point r = {0, 0, 0};
  if (acdbInters(p[0], p[1], p[2], p[3], onSegments, r) != RTNORM) return Value();
  return makePoint(r, all3d);
}

// A coordinate system for trans: 0/1/2, an entity name, or an extrusion vector.
resbuf coordinateSystem(Args& a, size_t i) {
  resbuf rb{};
  double p[3];
  if (a[i].type() == Type::Int) {
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(a.integer(i));
  } else if (a[i].type() == Type::Ename) {
    rb.restype = RTENAME;
    rb.resval.rlname[0] = a.ename(i)[0];
    rb.resval.rlname[1] = a.ename(i)[1];
  } else if (readPoint(a[i], p)) {
    rb.restype = RT3DPOINT;
    for (int k = 0; k < 3; ++k) rb.resval.rpoint[k] = p[k];
  } else {
    raiseType("système de coordonnées", a[i]);
  }
  return rb;
}

Value sTrans(Args& a) {
  double p[3];
  a.point(0, p);
  const resbuf from = coordinateSystem(a, 1), to = coordinateSystem(a, 2);
  ads_point r = {0, 0, 0};
  if (acedTrans(p, &from, &to, a.given(3) ? 1 : 0, r) != RTNORM) return Value();
  return makePoint(r, true);
}

Value sOsnap(Args& a) {
  double p[3];
  a.point(0, p);
  ads_point r = {0, 0, 0};
  if (acedOsnap(p, a.string(1).c_str(), r) != RTNORM) return Value();
  return makePoint(r, true);
}

// (grdraw from to colour [highlight])
Value sGrdraw(Args& a) {
  double p[3], q[3];
  a.point(0, p);
  a.point(1, q);
  acedGrDraw(p, q, a.integer(2), a.given(3) ? a.integer(3) : 0);
  return Value();
}

Value sRedraw(Args& a) {
  const int64_t* entity = a.given(0) ? a.ename(0) : nullptr;
  acedRedraw(entity, a.given(1) ? a.integer(1) : 1);
  return Value();
}

const Subr kSubrs[] = {
    {"POLAR", sPolar, nullptr, 3, 3},   {"DISTANCE", sDistance, nullptr, 2, 2},
    {"ANGLE", sAngle, nullptr, 2, 2},   {"INTERS", sInters, nullptr, 4, 5},
    {"TRANS", sTrans, nullptr, 3, 4},   {"OSNAP", sOsnap, nullptr, 2, 2},
    {"GRDRAW", sGrdraw, nullptr, 3, 4}, {"REDRAW", sRedraw, nullptr, 0, 2},
};

void registerGeometrySubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerGeometrySubrs);

}  // namespace

}  // namespace lisp
