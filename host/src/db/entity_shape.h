// What an entity looks like in the world: its outline as paths of points
// (curves sampled) and, on demand, the points object snaps look for.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/coords.h"

namespace db {
class Database;
struct Entity;
}  // namespace db

namespace host::geo {

struct Shape {
  struct Path {
    uint32_t begin = 0, end = 0;  // range in verts
    bool closed = false;
  };
  std::vector<Vec3> verts;  // world coordinates
  std::vector<Path> paths;  // a path of one point is an isolated point

  // Filled only when snaps are asked for.
  std::vector<Vec3> ends, mids, centers, nodes;

  void clear();
  bool empty() const { return verts.empty(); }
  // Plan bounding box of verts.
  void bounds(double& x0, double& y0, double& x1, double& y1) const;
};

// The shape of entity `index`. False, with an empty shape, for what has no
// outline of its own: vertices, end markers and attributes, which belong to
// the entity before them.
bool entityShape(const db::Database& db, size_t index, Shape& out, bool withSnaps = false);

// True for the entities a selection can hold (not vertices, end markers or attributes).
bool isMainEntity(const db::Entity& e);

}  // namespace host::geo
