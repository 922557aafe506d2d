#include "plot/entity_painter.h"

#include "db/database.h"

namespace plot {

namespace {

// Consecutive entities of one colour are stroked together up to this many
// segments: a larger path of crossing lines costs Cairo more than the calls saved.
constexpr size_t kSegmentsPerStroke = 256;
// Capitals against the em square in DejaVu Sans, the font fontconfig gives for "sans-serif".
constexpr double kCapHeight = 0.73;
// Texts smaller than this (page units) are unreadable; much larger ones are garbage.
constexpr double kSmallestText = 0.5, kLargestText = 1e5;

}  // namespace

EntityPainter::EntityPainter(cairo_t* cr, const db::Database& db, const PageTransform& page,
                             const Pen& pen)
    : cr_(cr), db_(db), page_(page), pen_(pen) {
  cairo_set_line_width(cr_, pen_.lineWidth);
  // Butt ends and the fast antialiasing: a third of the time of round ends
  // and the best antialiasing, with no difference to see at a line's width.
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_FAST);
  cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
}

void EntityPainter::flush() {
  if (gathered_ > 0) cairo_stroke(cr_);
  gathered_ = 0;
}

void EntityPainter::useColour(Rgb c) {
  if (hasColour_ && c == colour_) return;
  flush();
  colour_ = c;
  hasColour_ = true;
  cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void EntityPainter::paint(const PlottedEntity& p) {
  useColour(p.colour);
  if (p.shape)
    outline(*p.entity, *p.shape);
  else if (p.text)
    text(*p.text);
}

void EntityPainter::outline(const db::Entity& e, const host::geo::Shape& shape) {
  const auto& v = shape.verts;
  if (e.type == db::EntityType::Point) {
    cross(v[0]);
  } else if (e.type == db::EntityType::Face3d && v.size() == 4) {
    // Bits 1, 2, 4, 8 of group 70 hide the first to the fourth edge.
    const db::Group* flags = db_.find(e, 70);
    const int64_t hidden = flags ? flags->asInt() : 0;
    for (size_t k = 0; k < 4; ++k) {
      if (hidden & (int64_t{1} << k)) continue;
      moveTo(v[k]);
      lineTo(v[(k + 1) % 4]);
      ++gathered_;
    }
  } else {
    for (const host::geo::Shape::Path& path : shape.paths) {
      if (path.begin >= path.end) continue;
      if (path.end - path.begin == 1) {  // a lone vertex still shows
        cross(v[path.begin]);
        continue;
      }
      moveTo(v[path.begin]);
      for (uint32_t k = path.begin + 1; k < path.end; ++k) lineTo(v[k]);
      if (path.closed) cairo_close_path(cr_);
      gathered_ += path.end - path.begin;
    }
  }
  if (gathered_ >= kSegmentsPerStroke) flush();
}

void EntityPainter::cross(const host::geo::Vec3& p) {
  const double x = page_.x(p.x), y = page_.y(p.y), d = pen_.pointSize;
  cairo_move_to(cr_, x - d, y);
  cairo_line_to(cr_, x + d, y);
  cairo_move_to(cr_, x, y - d);
  cairo_line_to(cr_, x, y + d);
  gathered_ += 2;
}

void EntityPainter::text(const TextItem& t) {
  const double size = t.height * page_.scale();
  if (!(size >= kSmallestText && size <= kLargestText)) return;
  flush();
  cairo_save(cr_);
  cairo_translate(cr_, page_.x(t.x), page_.y(t.y));
  cairo_rotate(cr_, -t.rotation);
  // From here a unit is a world unit along the text, y down.
  cairo_scale(cr_, page_.scale() * t.widthFactor, page_.scale());
  cairo_set_font_size(cr_, t.height / kCapHeight);
  cairo_text_extents_t extents;
  cairo_text_extents(cr_, t.text.c_str(), &extents);
  double u, v;
  t.baselineStart(extents.x_advance * t.widthFactor, u, v);
  cairo_move_to(cr_, u / t.widthFactor, -v);
  cairo_show_text(cr_, t.text.c_str());
  cairo_new_path(cr_);
  cairo_restore(cr_);
}

}  // namespace plot
