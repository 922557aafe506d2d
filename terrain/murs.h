// Double-Z points and walls: which side of each wall (a breakline joining
// double-Z points) is the high ground, and the corners the triangles take.
#pragma once

namespace terrain {

class MAILLAGE;
struct PT_MAILLE;
struct SEG_MAILLE;

// After merging and splitting, before triangulation: finds the walls and
// decides their high side from the breaklines leaving them, then from the
// points near the undecided ones.
void analyseMurs(MAILLAGE& maillage);

// After triangulation: each triangle at a double-Z point takes the low or the
// high point of the pair by the side of the wall it lies on; each wall is
// closed by two vertical triangles.
void assigneDoubleZ(MAILLAGE& maillage);

// The evidence a point gives on one of the walls of the double-Z point d
// (mode 1: the far end of a breakline leaving d; mode 0: a loose point near a
// wall), restricted to `seul` when given.
struct PREUVE_CALCULEE {
  SEG_MAILLE* mur = nullptr;
  double valeur = 0.0;
  int cote = 0;
};
PREUVE_CALCULEE preuvePoint(PT_MAILLE* d, const PT_MAILLE& p, int mode,
                            const SEG_MAILLE* seul = nullptr);

}  // namespace terrain
