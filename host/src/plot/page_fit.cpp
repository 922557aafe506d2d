#include "plot/page_fit.h"

#include <algorithm>

namespace plot {

void Box::add(double x, double y) {
  x0 = std::min(x0, x);
  y0 = std::min(y0, y);
  x1 = std::max(x1, x);
  y1 = std::max(y1, y);
}

PageTransform::PageTransform(const Box& extents, double width, double height, double margin)
    : ox_(width / 2), oy_(height / 2) {
  if (extents.empty()) return;
  cx_ = (extents.x0 + extents.x1) / 2;
  cy_ = (extents.y0 + extents.y1) / 2;
  const double usableWidth = std::max(1.0, width - 2 * margin);
  const double usableHeight = std::max(1.0, height - 2 * margin);
  const double w = extents.x1 - extents.x0, h = extents.y1 - extents.y0;
  // A drawing with no width or no height is scaled by the other; a single
  // point by a world unit across the page.
  double s = HUGE_VAL;
  if (w > 0) s = usableWidth / w;
  if (h > 0) s = std::min(s, usableHeight / h);
  if (!std::isfinite(s) || s <= 0) s = std::min(usableWidth, usableHeight);
  scale_ = s;
}

}  // namespace plot
