// The walk over what a plot shows: each entity kept, its colour and its
// geometry (an outline or a text), with what cannot be plotted left out.
#pragma once
#include <cstddef>
#include <functional>

#include "db/entity_shape.h"
#include "plot/aci_couleurs.h"
#include "plot/page_fit.h"
#include "plot/plot_text.h"

namespace plot {

struct PlottedEntity {
  const db::Entity* entity = nullptr;
  Rgb colour;
  const host::geo::Shape* shape = nullptr;  // lines, polylines, faces, points, circles, arcs
  const TextItem* text = nullptr;           // TEXT
};

// Calls `fn` for every entity a plot shows, in drawing order. Inserts (no block
// definitions are kept), solids, attribute definitions and unknown kinds are
// left out, as is any entity with a coordinate that is not usable.
void forEachPlotted(const db::Database& db, const std::function<void(const PlottedEntity&)>& fn);

// The plan extents of what a plot shows (empty for an empty plot).
Box plotExtents(const db::Database& db);

}  // namespace plot
