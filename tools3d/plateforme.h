// The edge of a platform beside an alignment: its profile completed at the
// tabulation stations, one edge point per alignment point.
#pragma once
#include <vector>

#include "framework/point_3d.h"

namespace tools3d {

using framework::Point3D;

struct POINT_AXE_PLATEFORME {
  double abscisse = 0;   // from the start of the platform
  double direction = 0;  // plan angle towards the edge
  Point3D point{};
};

struct PROFIL_PLATEFORME {
  double abscisse = 0;
  double decalage = 0;  // plan distance from the alignment to the edge
  double hauteur = 0;   // added to the alignment's z
};

struct STATION_TABULATION {
  double abscisse = 0;
  int kind = 0;  // -5: a station without a profile of its own
};

// The profile with a record at every tabulation station inside its range
// (stations of kind -5 excepted), up to the last station treated.
std::vector<PROFIL_PLATEFORME> fusionneProfil(const std::vector<PROFIL_PLATEFORME>& profil,
                                              const std::vector<STATION_TABULATION>& tabulation);

// One edge point per alignment point. `gradue`: heights graded straight
// between the merged profile's points instead of following the alignment.
std::vector<Point3D> pointsBord(const std::vector<POINT_AXE_PLATEFORME>& axe,
                                const std::vector<PROFIL_PLATEFORME>& fusionne, bool gradue);

// The points sent to the host: the first and the last, and between them
// those farther than 0.1 from the next one.
std::vector<Point3D> pointsEnvoyes(const std::vector<Point3D>& bord);

}  // namespace tools3d
