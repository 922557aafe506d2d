#include "db/entity_copy.h"

#include <algorithm>

namespace db {

size_t copyEntities(const Database& src, const std::vector<uint32_t>& indexes, Database& dest,
                    bool newHandles) {
  std::vector<int64_t> layerMap(src.layers.size(), -1);
  auto layerOf = [&](uint32_t i) -> uint32_t {
    if (i >= layerMap.size()) return 0;
    if (layerMap[i] < 0) {
      const Layer& layer = src.layers.at(i);
      const int found = dest.layers.find(layer.name);
      if (found >= 0) {
        layerMap[i] = found;
      } else {
        const uint32_t made = dest.layers.findOrAdd(layer.name);
        dest.layers.at(made) = layer;
        layerMap[i] = made;
      }
    }
    return static_cast<uint32_t>(layerMap[i]);
  };
  // A vertex or an end marker stands for its owner.
  std::vector<size_t> owners;
  owners.reserve(indexes.size());
  for (uint32_t index : indexes)
    if (index < src.entities.size()) owners.push_back(src.complexRange(index).first);
  std::sort(owners.begin(), owners.end());
  owners.erase(std::unique(owners.begin(), owners.end()), owners.end());
  size_t copied = 0;
  for (size_t owner : owners) {
    const auto [first, last] = src.complexRange(owner);
    for (size_t k = first; k <= last; ++k) {
      Entity e = src.entities[k];
      e.layer = layerOf(e.layer);
      if (newHandles) e.handle = dest.newHandle();
      if (e.typeText) e.typeText = dest.strings.intern(src.strings.at(e.typeText));
      for (Group& g : e.groups)
        if (g.kind == Group::Text) g.text = dest.strings.intern(src.strings.at(g.text));
      dest.add(std::move(e));
    }
    ++copied;
  }
  return copied;
}

}  // namespace db
