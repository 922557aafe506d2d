#include "commands/drawing_extract.h"

#include <algorithm>

namespace host {

std::unique_ptr<db::Database> extractEntities(const db::Database& src,
                                              const std::vector<uint32_t>& indexes) {
  auto out = std::make_unique<db::Database>();
  out->header = src.header;
  out->nextHandle = src.nextHandle;
  std::vector<uint32_t> layerMap(src.layers.size());
  for (uint32_t i = 0; i < src.layers.size(); ++i) {
    layerMap[i] = out->layers.findOrAdd(src.layers.at(i).name);
    out->layers.at(layerMap[i]) = src.layers.at(i);
  }
  if (src.currentLayer < layerMap.size()) out->currentLayer = layerMap[src.currentLayer];
  std::vector<uint32_t> sorted = indexes;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  for (uint32_t index : sorted) {
    if (index >= src.entities.size()) continue;
    const auto [first, last] = src.complexRange(index);
    for (size_t k = first; k <= last; ++k) {
      db::Entity e = src.entities[k];
      if (e.layer < layerMap.size()) e.layer = layerMap[e.layer];
      if (e.typeText) e.typeText = out->strings.intern(src.strings.at(e.typeText));
      for (db::Group& g : e.groups)
        if (g.kind == db::Group::Text) g.text = out->strings.intern(src.strings.at(g.text));
      out->add(std::move(e));
    }
  }
  return out;
}

}  // namespace host
