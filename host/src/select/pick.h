// Picking in the drawing: the size of the pick box and the entity under a point.
#pragma once
#include <cstdint>

#include "base/coords.h"

namespace db {
class Database;
}

namespace host {

class SysVars;

namespace geo {

// Drawing units covered by `pixels` screen pixels: VIEWSIZE is the height of
// the view and SCREENSIZE its size in pixels.
double pixelsToUnits(const SysVars& vars, double pixels);

// The pick box (PICKBOX) and the object snap aperture (APERTURE) in drawing units.
double pickTolerance(const SysVars& vars);
double apertureTolerance(const SysVars& vars);

// Index of the entity a pick at world point `p` finds: the nearest in plan
// within `tolerance`, the newer on a tie; erased entities and those on frozen
// layers are not seen. -1 when none.
int64_t pickEntity(const db::Database& db, const Vec3& p, double tolerance);

// True when entity `index` can be seen: not erased, and its layer not frozen.
bool isVisible(const db::Database& db, size_t index);

}  // namespace geo
}  // namespace host
