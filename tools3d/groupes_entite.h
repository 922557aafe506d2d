// The two entity readers the 3D tools share: the value of one DXF group of an
// entity's data list, and the vertices of an old-style polyline.
#pragma once
#include <cstdint>
#include <vector>

#include "adsdef.h"
#include "framework/point_3d.h"

namespace tools3d {

// Wide enough for a 3D point; what is filled depends on the group code.
union VALEUR_DXF {
  int32_t entier32;
  int64_t nom[2];
  const char* texte;
  double point[3];
  double reel;
  short entierCourt;
};

// The value of the first item of `liste` whose type is `code`, copied by the
// code's range (with the traces of the ranges that print one). An absent
// group, or a range that copies nothing, answers zero bytes. A text points
// into `liste`, which must outlive it.
VALEUR_DXF find_dxf_group(const resbuf* liste, int code);

// Appends to `sommets` the group 10 point of every VERTEX that follows the
// polyline header `polyligne`, up to the first entity that is not one.
// Answers the number of points read.
int read_polyline_vertices(const ads_name polyligne, std::vector<framework::Point3D>& sommets);

// The data list's group 0 is exactly `type` (and the list exists).
bool estDeType(const resbuf* liste, const char* type);

}  // namespace tools3d
