#include "plot/entity_colour.h"

#include "db/database.h"

namespace plot {

namespace {

constexpr int kByLayer = 256;

}  // namespace

bool plotColour(const db::Database& db, const db::Entity& e, Rgb& out) {
  if (e.erased) return false;
  int layerColour = 7;
  if (e.layer < db.layers.size()) {
    const db::Layer& layer = db.layers.at(e.layer);
    if (layer.frozen() || layer.color < 0) return false;
    layerColour = layer.color;
  }
  if (const db::Group* trueColour = db.find(e, 420)) {
    const int64_t v = trueColour->asInt();
    out = {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
    return true;
  }
  const db::Group* own = db.find(e, 62);
  const int64_t index = own ? own->asInt() : kByLayer;
  if (index == kByLayer)
    out = aciColour(layerColour);
  else
    out = aciColour(index >= 0 && index <= 255 ? static_cast<int>(index) : 0);
  return true;
}

}  // namespace plot
