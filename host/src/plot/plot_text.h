// TEXT as a plot shows it: a plain line of text at a height, a rotation and an
// anchor, placed about it the way the entity's alignment says. (The database
// keeps no MTEXT: the DXF reader leaves it out and entmake refuses it.)
#pragma once
#include <string>

#include "plot/page_fit.h"

namespace db {
class Database;
struct Entity;
}  // namespace db

namespace plot {

struct TextItem {
  enum class HAlign { Left, Center, Right };
  enum class VAlign { Baseline, Bottom, Middle, Top };
  std::string text;     // valid UTF-8, %% codes decoded
  double x = 0, y = 0;  // the anchor, world plan coordinates
  double height = 0;    // of capitals, world units
  double rotation = 0;  // radians, counterclockwise from the x axis
  double widthFactor = 1;
  HAlign h = HAlign::Left;
  VAlign v = VAlign::Baseline;

  // Offset along the text's own axes from the anchor to the start of the
  // baseline, for a text `width` long.
  void baselineStart(double width, double& u, double& v) const;
};

// The text of a TEXT entity. False for another entity, an empty text, or
// values that cannot be plotted (no height, coordinates out of range).
bool readText(const db::Database& db, const db::Entity& e, TextItem& out);

// Where the text lies in plan, its widths estimated from an average glyph.
void addTextExtents(const TextItem& t, Box& box);

}  // namespace plot
