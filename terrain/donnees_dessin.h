// The mesh and the drawing: reading the 3D data of a selection into a mesh,
// and drawing a mesh.
#pragma once
#include <cstdint>

#include "adsdef.h"

namespace terrain {

class MAILLAGE;

// Points, lines and polylines of the selection: a point gives a point unless
// its height is the null Z; a polyline (a line is one of two vertices) gives
// its vertices and a segment between each pair of consecutive vertices (and
// the closing one when closed), unless one of its vertices is at the null Z.
// The points are added as they are: merging comes with the build. The
// selection set is freed. False when the walk over it failed.
bool litDonnees3D(MAILLAGE& maillage, const ads_name selection);

// The 3D faces of the selection: three new points each (its first three
// corners) and one triangle; with four distinct corners, a second triangle.
bool litFaces3D(MAILLAGE& maillage, const ads_name selection);

// What to draw: bits of `quoi`.
inline constexpr int kDessinPoints = 1;
inline constexpr int kDessinSegments = 2;
inline constexpr int kDessinTriangles = 4;

// Triangles as 3D faces (the fourth corner repeats the third), segments as
// lines, points as points, on the output layer.
void dessineMaillage(const MAILLAGE& maillage, int quoi);

}  // namespace terrain
