#include "commands/drawing_extract.h"

#include "db/entity_copy.h"

namespace host {

std::unique_ptr<db::Database> extractEntities(const db::Database& src,
                                              const std::vector<uint32_t>& indexes) {
  auto out = std::make_unique<db::Database>();
  out->header = src.header;
  out->nextHandle = src.nextHandle;
  // Every layer, as the source has it, whether an entity uses it or not.
  for (uint32_t i = 0; i < src.layers.size(); ++i)
    out->layers.at(out->layers.findOrAdd(src.layers.at(i).name)) = src.layers.at(i);
  if (src.currentLayer < src.layers.size())
    out->currentLayer = out->layers.findOrAdd(src.layers.at(src.currentLayer).name);
  db::copyEntities(src, indexes, *out, false);
  return out;
}

}  // namespace host
