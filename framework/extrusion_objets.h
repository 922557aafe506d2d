// Polylines drawn in their own coordinate system (extrusion direction, group
// 210, other than the world's Z axis): their points brought to world coordinates.
#pragma once
#include <vector>

#include "adsdef.h"
#include "framework/lecteur_entites.h"

namespace framework {

// Converts `sommets` when the entity's list has such an extrusion, and says
// so on the error stream. False when the host could not convert a point (it
// is then left as read, and the failure reported).
bool convertitExtrusion(const resbuf* liste, std::vector<SOMMET_LU>& sommets);

}  // namespace framework
