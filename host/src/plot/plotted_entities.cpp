#include "plot/plotted_entities.h"

#include "db/database.h"
#include "plot/entity_colour.h"

namespace plot {

namespace {

bool hasOutline(db::EntityType t) {
  using T = db::EntityType;
  return t == T::Line || t == T::Polyline || t == T::LwPolyline || t == T::Face3d ||
         t == T::Point || t == T::Circle || t == T::Arc;
}

bool usable(const host::geo::Shape& shape) {
  for (const host::geo::Vec3& v : shape.verts)
    if (!usableCoordinate(v.x) || !usableCoordinate(v.y)) return false;
  return true;
}

}  // namespace

void forEachPlotted(const db::Database& db, const std::function<void(const PlottedEntity&)>& fn) {
  host::geo::Shape shape;
  TextItem text;
  for (size_t i = 0; i < db.entities.size(); ++i) {
    const db::Entity& e = db.entities[i];
    if (!host::geo::isMainEntity(e)) continue;
    PlottedEntity p;
    p.entity = &e;
    if (!plotColour(db, e, p.colour)) continue;
    if (hasOutline(e.type)) {
      if (!host::geo::entityShape(db, i, shape) || !usable(shape)) continue;
      p.shape = &shape;
    } else if (readText(db, e, text)) {
      p.text = &text;
    } else {
      continue;
    }
    fn(p);
  }
}

Box plotExtents(const db::Database& db) {
  Box box;
  forEachPlotted(db, [&](const PlottedEntity& p) {
    if (p.shape)
      for (const host::geo::Vec3& v : p.shape->verts) box.add(v.x, v.y);
    else
      addTextExtents(*p.text, box);
  });
  return box;
}

}  // namespace plot
