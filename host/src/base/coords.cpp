#include "base/coords.h"

#include "base/sysvars.h"

namespace host::geo {

bool arbitraryAxis(const Vec3& normal, Frame& out) {
  const double len = normal.length();
  if (!(len > 1e-12)) return false;
  const Vec3 n = normal * (1.0 / len);
  // DXF's rule: near the world Z axis, derive X from world Y, else from world Z.
  constexpr double kLimit = 1.0 / 64.0;
  Vec3 ax = (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit) ? Vec3(0, 1, 0).cross(n)
                                                                 : Vec3(0, 0, 1).cross(n);
  ax = ax * (1.0 / ax.length());
  Vec3 ay = n.cross(ax);
  ay = ay * (1.0 / ay.length());
  out.origin = Vec3();
  out.xAxis = ax;
  out.yAxis = ay;
  out.zAxis = n;
  return true;
}

Frame userFrame(const SysVars& vars) {
  Frame f;
  const SysVar* org = vars.find("UCSORG");
  const SysVar* xd = vars.find("UCSXDIR");
  const SysVar* yd = vars.find("UCSYDIR");
  if (org) f.origin = Vec3(org->p);
  if (!xd || !yd) return f;
  Vec3 x(xd->p), y(yd->p);
  const double lx = x.length();
  if (!(lx > 1e-12)) return f;
  x = x * (1.0 / lx);
  // Keep Y square to X, as the host does when the stored axes drift.
  y = y - x * x.dot(y);
  const double ly = y.length();
  if (!(ly > 1e-12)) return f;
  y = y * (1.0 / ly);
  f.xAxis = x;
  f.yAxis = y;
  f.zAxis = x.cross(y);
  return f;
}

}  // namespace host::geo
