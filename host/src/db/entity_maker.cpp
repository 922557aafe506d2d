#include <strings.h>

#include "base/host_errors.h"
#include "db/entity_ops.h"

namespace db {

namespace {

struct Section {
  EntityType type;
  std::span<const InGroup> groups;  // after its 0 group
};

bool insertHasAttributes(std::span<const InGroup> groups) {
  for (const InGroup& g : groups)
    if (g.code == 66) return g.v[0] != 0;
  return false;
}

// Splits at each 0 group; what comes before the first one (the -1 of a list
// taken from entget) goes with the first entity.
int split(std::span<const InGroup> groups, std::vector<Section>& sections,
          std::vector<InGroup>& firstGroups) {
  size_t start = groups.size();
  for (size_t i = 0; i < groups.size(); ++i)
    if (groups[i].code == 0) {
      start = i;
      break;
    }
  if (start == groups.size()) return host::kErrBadEntityType;
  size_t i = start;
  while (i < groups.size()) {
    const EntityType type = typeFromName(groups[i].text);
    if (type == EntityType::Other) return host::kErrBadEntityType;
    size_t end = i + 1;
    while (end < groups.size() && groups[end].code != 0) ++end;
    sections.push_back(Section{type, groups.subspan(i + 1, end - i - 1)});
    i = end;
  }
  if (start > 0) {
    firstGroups.assign(groups.begin(), groups.begin() + static_cast<long>(start));
    firstGroups.insert(firstGroups.end(), sections[0].groups.begin(), sections[0].groups.end());
    sections[0].groups = firstGroups;
  }
  return 0;
}

}  // namespace

MakeResult makeEntities(Database& db, std::span<const InGroup> groups) {
  MakeResult result;
  std::vector<Section> sections;
  std::vector<InGroup> firstGroups;
  std::vector<Entity> pending = std::move(db.pending);
  db.pending.clear();
  std::vector<Entity> made;  // simple or committed, added only when the whole list is good
  const size_t base = db.entities.size();

  auto fail = [&](int error) {
    result.error = error;
    result.index = -1;
    return result;  // the pending complex entity stays dropped
  };
  if (const int error = split(groups, sections, firstGroups)) return fail(error);

  for (size_t i = 0; i < sections.size(); ++i) {
    const Section& s = sections[i];
    const bool piece = isSubEntity(s.type);
    if (!pending.empty()) {
      const EntityType header = pending.front().type;
      const bool fits = s.type == EntityType::Seqend ||
                        (header == EntityType::Polyline && s.type == EntityType::Vertex) ||
                        (header == EntityType::Insert && s.type == EntityType::Attrib);
      if (!fits) return fail(host::kErrBadPline);
    } else if (piece) {
      return fail(host::kErrBadPline);
    } else if (i > 0) {
      return fail(host::kErrBadField);  // one list makes one entity, simple or complex
    }

    BuildInput in;
    in.type = s.type;
    in.groups = s.groups;
    // Pieces go on their header's layer unless they name one.
    in.layer = piece ? pending.front().layer : db.currentLayer;
    Entity e;
    if (const int error = buildEntity(db, Origin::Api, in, e)) return fail(error);

    const bool starts = s.type == EntityType::Polyline ||
                        (s.type == EntityType::Insert && insertHasAttributes(s.groups));
    if (starts) {
      result.index = static_cast<int64_t>(base + made.size());
      pending.push_back(std::move(e));
    } else if (s.type == EntityType::Seqend) {
      if (pending.front().type == EntityType::Polyline && pending.size() < 2)
        return fail(host::kErrBadPline);  // a polyline without a vertex
      result.index = static_cast<int64_t>(base + made.size());
      pending.push_back(std::move(e));
      for (Entity& p : pending) made.push_back(std::move(p));
      pending.clear();
    } else if (piece) {
      result.index = static_cast<int64_t>(base + made.size() + pending.size());
      pending.push_back(std::move(e));
    } else {
      result.index = static_cast<int64_t>(base + made.size());
      made.push_back(std::move(e));
    }
  }
  for (Entity& e : made) db.add(std::move(e));
  db.pending = std::move(pending);
  return result;
}

}  // namespace db
