// Outlines of a cloud of points: the free edges of a mesh built in the
// linking mode that follows triangle edges (each point links to the next
// corner of every kept, counter-clockwise triangle), chained into polylines.
#pragma once
#include <vector>

#include "terrain/maillage.h"

namespace terrain {

struct CONTOUR {
  std::vector<const PT_MAILLE*> points;
  bool ferme = false;  // back at its start; else a chain that stops (a problem)
};

// Traces every outline, each point of the mesh in list order as a start. The
// links it follows are completed on the way (each edge taken once). Where an
// outline touches itself at a point (two triangles meeting at a corner), the
// way on is the free edge next clockwise from the way in, so that each loop
// closes on its own.
std::vector<CONTOUR> traceContours(MAILLAGE& maillage);

}  // namespace terrain
