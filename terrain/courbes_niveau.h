// Contour lines of the terrain mesh: at each level, the pieces where the
// plane z = level cuts the triangles, chained across shared edges into the
// longest runs, closed where they close.
#pragma once
#include <vector>

#include "terrain/maillage.h"

namespace terrain {

struct COURBE_NIVEAU {
  double z = 0.0;
  std::vector<VECTEUR> points;
  bool fermee = false;
};

// Levels k * intervalle between the lowest and the highest point. A point
// exactly at a level counts as above it, so that a line through it is drawn
// once. Triangles without plan area (a wall's vertical closing faces) give
// nothing; the two sides of a wall are separate points, so lines stop there.
std::vector<COURBE_NIVEAU> courbesNiveau(const MAILLAGE& maillage, double intervalle);

}  // namespace terrain
