// Vectors and coordinate systems: the world, the user's (UCS) and an entity's
// own (OCS, from its extrusion direction by the arbitrary axis algorithm).
#pragma once
#include <cmath>

namespace host {

class SysVars;

namespace geo {

struct Vec3 {
  double x = 0, y = 0, z = 0;
  Vec3() = default;
  Vec3(double ax, double ay, double az) : x(ax), y(ay), z(az) {}
  explicit Vec3(const double* p) : x(p[0]), y(p[1]), z(p[2]) {}
  Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec3 operator*(double k) const { return {x * k, y * k, z * k}; }
  double dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
  Vec3 cross(const Vec3& o) const {
    return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
  }
  double length() const { return std::sqrt(dot(*this)); }
  void store(double* p) const {
    p[0] = x;
    p[1] = y;
    p[2] = z;
  }
};

// Axes and origin of a coordinate system, in world coordinates.
struct Frame {
  Vec3 origin;
  Vec3 xAxis{1, 0, 0}, yAxis{0, 1, 0}, zAxis{0, 0, 1};

  Vec3 toWorld(const Vec3& p, bool displacement = false) const {
    const Vec3 v = xAxis * p.x + yAxis * p.y + zAxis * p.z;
    return displacement ? v : origin + v;
  }
  Vec3 fromWorld(const Vec3& p, bool displacement = false) const {
    const Vec3 v = displacement ? p : p - origin;
    return {xAxis.dot(v), yAxis.dot(v), zAxis.dot(v)};
  }
  bool isWorld() const {
    return origin.x == 0 && origin.y == 0 && origin.z == 0 && xAxis.x == 1 && yAxis.y == 1 &&
           zAxis.z == 1 && xAxis.y == 0 && xAxis.z == 0 && yAxis.x == 0 && yAxis.z == 0;
  }
};

// The entity coordinate system of an extrusion direction. False for a null vector.
bool arbitraryAxis(const Vec3& normal, Frame& out);

// The document's user coordinate system from UCSORG, UCSXDIR and UCSYDIR;
// the world when they are missing or degenerate.
Frame userFrame(const SysVars& vars);

}  // namespace geo
}  // namespace host
