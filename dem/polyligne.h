// The vertices of a picked polyline, as plan points: an old-style POLYLINE's
// VERTEX sub-entities, or every point of an LWPOLYLINE.
#pragma once
#include <optional>
#include <vector>

#include "adsdef.h"
#include "dem/trace_grille.h"

namespace dem {

// Nothing when the entity is not a polyline.
std::optional<std::vector<Noeud>> sommetsPolyligne(const ads_name entite);

}  // namespace dem
