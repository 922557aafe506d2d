// Draws plotted entities on a Cairo context, in drawing order, consecutive
// entities of one colour stroked together.
#pragma once
#include <cairo.h>

#include "plot/page_fit.h"
#include "plot/plotted_entities.h"

namespace plot {

// Sizes on the page, in its units (pixels or points).
struct Pen {
  double lineWidth = 1;
  double pointSize = 3;  // half the arms of a point's cross
};

class EntityPainter {
 public:
  EntityPainter(cairo_t* cr, const db::Database& db, const PageTransform& page, const Pen& pen);
  ~EntityPainter() { flush(); }
  EntityPainter(const EntityPainter&) = delete;
  EntityPainter& operator=(const EntityPainter&) = delete;

  void paint(const PlottedEntity& p);
  // Strokes what is gathered.
  void flush();

 private:
  void useColour(Rgb c);
  void outline(const db::Entity& e, const host::geo::Shape& shape);
  void text(const TextItem& t);
  void cross(const host::geo::Vec3& p);  // a point, at a fixed size on the page
  void moveTo(const host::geo::Vec3& v) { cairo_move_to(cr_, page_.x(v.x), page_.y(v.y)); }
  void lineTo(const host::geo::Vec3& v) { cairo_line_to(cr_, page_.x(v.x), page_.y(v.y)); }

  cairo_t* cr_;
  const db::Database& db_;
  const PageTransform& page_;
  Pen pen_;
  Rgb colour_;
  bool hasColour_ = false;
  size_t gathered_ = 0;  // segments in the path not yet stroked
};

}  // namespace plot
