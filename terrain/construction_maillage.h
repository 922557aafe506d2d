// Building the terrain mesh from the points and breaklines it holds: limit
// polygon, merging and splitting, double-Z walls, the triangulation, the
// filters and the report.
#pragma once
#include <vector>

#include "terrain/maillage.h"

namespace terrain {

struct PARAMETRES_CONSTRUCTION {
  // 0 stores the triangles; above 0 links neighbouring points; below 0 links
  // each point to the next along the edges of well-oriented triangles.
  int mode = 0;
  // Triangles reaching farther than this are dropped (from their centre; the
  // survey-control variant measures their edges). 0 keeps every triangle;
  // negative: not given (the road functions read it from OR1 beforehand, the
  // survey-control variant reports it missing).
  double distanceMax = -1.0;
  bool doubleZ = false;
  std::vector<VECTEUR> limite;  // a limit polygon; triangles whose centre is outside are dropped
};

// Builds the mesh; every problem goes to the error stream. False with fewer
// than three points or when the triangulation fails (the mesh is then left
// without triangles).
bool construitMaillage(MAILLAGE& maillage, const PARAMETRES_CONSTRUCTION& parametres);

}  // namespace terrain
