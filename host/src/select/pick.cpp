#include "select/pick.h"

#include <algorithm>
#include <cmath>

#include "base/sysvars.h"
#include "db/database.h"
#include "db/entity_shape.h"
#include "select/region.h"

namespace host::geo {

double pixelsToUnits(const SysVars& vars, double pixels) {
  const SysVar* size = vars.find("VIEWSIZE");
  const SysVar* screen = vars.find("SCREENSIZE");
  const double height = size && size->r > 0 ? size->r : 297.0;
  const double rows = screen && screen->p[1] > 0 ? screen->p[1] : 800.0;
  return pixels * height / rows;
}

double pickTolerance(const SysVars& vars) {
  return pixelsToUnits(vars, std::max(1, vars.getInt("PICKBOX", 3)));
}

double apertureTolerance(const SysVars& vars) {
  return pixelsToUnits(vars, std::max(1, vars.getInt("APERTURE", 10)));
}

bool isVisible(const db::Database& db, size_t index) {
  if (index >= db.entities.size()) return false;
  const db::Entity& e = db.entities[index];
  if (e.erased) return false;
  return e.layer >= db.layers.size() || !db.layers.at(e.layer).frozen();
}

int64_t pickEntity(const db::Database& db, const Vec3& p, double tolerance) {
  Shape shape;
  int64_t best = -1;
  double bestDist = HUGE_VAL;
  for (size_t i = 0; i < db.entities.size(); ++i) {
    if (!isMainEntity(db.entities[i]) || !isVisible(db, i)) continue;
    if (!entityShape(db, i, shape)) continue;
    double x0, y0, x1, y1;
    shape.bounds(x0, y0, x1, y1);
    if (p.x < x0 - tolerance || p.x > x1 + tolerance || p.y < y0 - tolerance ||
        p.y > y1 + tolerance)
      continue;
    const double d = planDistance(shape, p.x, p.y);
    if (d <= tolerance && d <= bestDist) {
      bestDist = d;
      best = static_cast<int64_t>(i);
    }
  }
  return best;
}

}  // namespace host::geo
