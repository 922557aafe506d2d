// Cut and fill areas of a cross-section: the area between a ground line and
// a project line drawn in the section's plane (x along the section, y the
// level). Fill where the project lies above the ground, cut where below.
#pragma once
#include <span>

#include "terrain/vecteur.h"

namespace earthworks {

using terrain::VECTEUR;

// The areas between segment 1 (p0 left, p1 right) and segment 2 (p2 left,
// p3 right) over the same x range: one area when they do not cross (left,
// right 0), one on each side of a proper crossing, none for an overlap.
// Positive where segment 2 lies above segment 1.
struct AIRES_ENTRE_SEGMENTS {
  double gauche = 0.0;
  double droite = 0.0;
};
AIRES_ENTRE_SEGMENTS aireEntreSegments(const VECTEUR& p0, const VECTEUR& p1, const VECTEUR& p2,
                                       const VECTEUR& p3);

struct AIRES_PROFIL {
  double deblai = 0.0;   // cut, positive
  double remblai = 0.0;  // fill
};
// Segments of either line that do not run towards increasing x count nothing.
AIRES_PROFIL airesDeblaiRemblai(std::span<const VECTEUR> terrain, std::span<const VECTEUR> projet);

}  // namespace earthworks
