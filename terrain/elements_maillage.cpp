#include "terrain/elements_maillage.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "terrain/pointgrp.h"

namespace terrain {

VECTEUR TRI_MAILLE::centre() const {
  // Relative to the first corner, so that large coordinates lose nothing.
  const VECTEUR& o = *p[0];
  return VECTEUR(o.x + ((p[1]->x - o.x) + (p[2]->x - o.x)) / 3.0,
                 o.y + ((p[1]->y - o.y) + (p[2]->y - o.y)) / 3.0,
                 (p[0]->z + p[1]->z + p[2]->z) / 3.0);
}

bool TRI_MAILLE::zPlan(double x, double y, double& z) const {
  return POINTGRP::zPlan(*p[0], *p[1], *p[2], x, y, z);
}

double TRI_MAILLE::aire() const { return POINTGRP::aireTriangle(*p[0], *p[1], *p[2]); }

bool TRI_MAILLE::contient(double x, double y) const {
  // Cross products relative to each edge's start, with a slack of a few
  // rounding errors of the coordinates' size, so that a point exactly on an
  // edge or a corner is inside whatever the orientation.
  const VECTEUR& a = *p[0];
  const double ux = p[1]->x - a.x, uy = p[1]->y - a.y;
  const double vx = p[2]->x - a.x, vy = p[2]->y - a.y;
  const double px = x - a.x, py = y - a.y;
  const double d1 = ux * py - uy * px;
  const double d2 = (vx - ux) * (py - uy) - (vy - uy) * (px - ux);
  const double d3 = -vx * (py - vy) + vy * (px - vx);
  const double scale = std::max({std::fabs(ux), std::fabs(uy), std::fabs(vx), std::fabs(vy),
                                 std::fabs(px), std::fabs(py), 1.0});
  const double slack = 1e-12 * scale * scale;
  const bool somePositive = d1 > slack || d2 > slack || d3 > slack;
  const bool someNegative = d1 < -slack || d2 < -slack || d3 < -slack;
  return !(somePositive && someNegative);
}

bool TRI_MAILLE::oriente() {
  const double side = POINTGRP::cote(*p[0], *p[1], *p[2]);
  if (side == 0.0) return false;
  if (side > 0.0) std::swap(p[1], p[2]);
  return true;
}

bool TRI_MAILLE::degenere() const {
  const VECTEUR& b = *p[1];
  const VECTEUR& c = *p[2];
  const double length = b.distanceXY(c);
  if (length < 1e-8) return true;
  const double distance = std::fabs(POINTGRP::cote(b, c, *p[0])) / length;
  return distance < 1e-8;
}

}  // namespace terrain
