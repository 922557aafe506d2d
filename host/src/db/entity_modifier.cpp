#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

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

namespace {

// Extended data changes application by application: each application the
// changes name loses its old groups and gets the new ones (none removes it);
// the others keep theirs.
void replaceExtendedData(std::vector<InGroup>& merged, const std::vector<InGroup>& extended) {
  if (extended.empty()) return;
  const auto sameApp = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::toupper(static_cast<unsigned char>(x)) ==
                    std::toupper(static_cast<unsigned char>(y));
           });
  };
  std::vector<std::string_view> apps;
  for (const InGroup& g : extended)
    if (g.code == 1001) apps.push_back(g.text);
  const auto named = [&](std::string_view app) {
    return std::any_of(apps.begin(), apps.end(),
                       [&](std::string_view a) { return sameApp(a, app); });
  };
  std::vector<InGroup> kept;
  bool dropping = false;
  for (const InGroup& g : merged) {
    if (g.code == 1001) dropping = named(g.text);
    if (g.code < 1000 || !dropping) kept.push_back(g);
  }
  for (size_t i = 0; i < extended.size();) {
    size_t end = i + 1;
    while (end < extended.size() && extended[end].code != 1001) ++end;
    if (extended[i].code == 1001 && end - i > 1)
      kept.insert(kept.end(), extended.begin() + static_cast<long>(i),
                  extended.begin() + static_cast<long>(end));
    i = end;
  }
  merged = std::move(kept);
}

}  // namespace

int modifyEntity(Database& db, size_t index, std::span<const InGroup> groups) {
  Entity& e = db.entities[index];
  if (e.erased) return host::kErrEntModDeleted;
  if (e.type == EntityType::Seqend) return host::kErrEntModSeqend;

  std::vector<InGroup> changes, extended;
  for (const InGroup& g : groups) {
    if (g.code == -1 || g.code == -3) continue;
    if (g.code >= 1000) {
      extended.push_back(g);
      continue;
    }
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

  replaceExtendedData(merged, extended);

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
