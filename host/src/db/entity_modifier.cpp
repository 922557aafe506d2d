#include <algorithm>
#include <charconv>

#include "base/host_errors.h"
#include "db/entity_ops.h"

namespace db {

namespace {

bool isLwVertexCode(int code) {
  return code == 10 || code == 40 || code == 41 || code == 42 || code == 91;
}

// Replaces the groups of `code` in `merged` by `values`: one for one when the
// counts agree, else all of them at the place of the first.
void replaceCode(std::vector<InGroup>& merged, int code, const std::vector<InGroup>& values) {
  std::vector<size_t> at;
  for (size_t i = 0; i < merged.size(); ++i)
    if (merged[i].code == code) at.push_back(i);
  if (at.size() == values.size()) {
    for (size_t k = 0; k < at.size(); ++k) merged[at[k]] = values[k];
    return;
  }
  const size_t place = at.empty() ? merged.size() : at.front();
  std::erase_if(merged, [code](const InGroup& g) { return g.code == code; });
  merged.insert(merged.begin() + static_cast<long>(std::min(place, merged.size())), values.begin(),
                values.end());
}

bool parseHandle(std::string_view text, uint64_t& handle) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), handle, 16);
  return r.ec == std::errc() && r.ptr == text.data() + text.size() && !text.empty();
}

}  // namespace

int modifyEntity(Database& db, size_t index, std::span<const InGroup> groups) {
  Entity& e = db.entities[index];
  if (e.erased) return host::kErrEntModDeleted;
  if (e.type == EntityType::Seqend) return host::kErrEntModSeqend;

  std::vector<InGroup> changes;
  for (const InGroup& g : groups) {
    if (g.code == -1) continue;
    if (g.code == 0) {
      if (typeFromName(g.text) != e.type) return host::kErrChangeEntityType;
      continue;
    }
    if (g.code == 5) {
      uint64_t handle = 0;
      if (!parseHandle(g.text, handle) || handle != e.handle) return host::kErrChangeHandle;
      continue;
    }
    changes.push_back(g);
  }

  std::vector<InGroup> merged;
  entityGroups(db, e, merged);
  const bool newVertices =
      e.type == EntityType::LwPolyline &&
      std::any_of(changes.begin(), changes.end(), [](const InGroup& g) { return g.code == 10; });
  if (newVertices) {
    // A new vertex list replaces the old one as a whole, widths and bulges included.
    auto firstOld = std::find_if(merged.begin(), merged.end(),
                                 [](const InGroup& g) { return isLwVertexCode(g.code); });
    const size_t place = static_cast<size_t>(firstOld - merged.begin());
    std::erase_if(merged, [](const InGroup& g) { return isLwVertexCode(g.code); });
    std::vector<InGroup> vertices;
    for (const InGroup& g : changes)
      if (isLwVertexCode(g.code)) vertices.push_back(g);
    merged.insert(merged.begin() + static_cast<long>(std::min(place, merged.size())),
                  vertices.begin(), vertices.end());
    std::erase_if(changes, [](const InGroup& g) { return isLwVertexCode(g.code); });
  }
  std::vector<int> codes;
  for (const InGroup& g : changes)
    if (std::find(codes.begin(), codes.end(), g.code) == codes.end()) codes.push_back(g.code);
  for (int code : codes) {
    std::vector<InGroup> values;
    for (const InGroup& g : changes)
      if (g.code == code) values.push_back(g);
    replaceCode(merged, code, values);
  }

  BuildInput in;
  in.type = e.type;
  in.groups = merged;
  in.layer = e.layer;
  in.handle = e.handle;
  Entity changed;
  // The merged groups view the pool and the caller's list, both still alive here.
  if (const int error = buildEntity(db, Origin::Api, in, changed)) return error;
  e = std::move(changed);
  return 0;
}

}  // namespace db
