#include "db/entity_builder.h"

#include <algorithm>
#include <cmath>

#include "base/host_errors.h"
#include "db/entity_classes.h"

namespace db {

namespace {

// Groups that tie an entity to objects this database does not keep (owners,
// reactors, dictionaries) and subclass markers, which the writer puts back.
bool isDropped(int code) {
  return code == -1 || code == -2 || code == -3 || code == 5 || code == 100 || code == 102 ||
         (code >= 330 && code <= 369);
}

bool finite(const InGroup& g, Group::Kind kind) {
  const int n = kind == Group::Point ? 3 : (kind == Group::Text ? 0 : 1);
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(g.v[i])) return false;
  return true;
}

bool has(const std::vector<Group>& groups, int code) {
  return std::any_of(groups.begin(), groups.end(),
                     [code](const Group& g) { return g.code == code; });
}

const Group* first(const std::vector<Group>& groups, int code) {
  for (const Group& g : groups)
    if (g.code == code) return &g;
  return nullptr;
}

std::span<const int> mandatoryCodes(EntityType t) {
  static constexpr int kPoint[] = {10}, kLine[] = {10, 11}, kFace[] = {10, 11, 12},
                       kArc[] = {10, 40, 50, 51}, kCircle[] = {10, 40}, kText[] = {10, 40, 1},
                       kInsert[] = {10, 2}, kAttrib[] = {10, 40, 1, 2},
                       kAttdef[] = {10, 40, 1, 2, 3};
  switch (t) {
    case EntityType::Point:
    case EntityType::Vertex:
    case EntityType::LwPolyline: return kPoint;
    case EntityType::Line: return kLine;
    case EntityType::Face3d:
    case EntityType::Solid: return kFace;
    case EntityType::Arc: return kArc;
    case EntityType::Circle: return kCircle;
    case EntityType::Text: return kText;
    case EntityType::Insert: return kInsert;
    case EntityType::Attrib: return kAttrib;
    case EntityType::Attdef: return kAttdef;
    default: return {};
  }
}

Group intGroup(int code, int64_t value) {
  Group g;
  g.code = static_cast<int16_t>(code);
  g.kind = Group::Int;
  g.v[0] = static_cast<double>(value);
  return g;
}

// Values the host fills in when they are left out, so every entity of a type
// has what its DXF form needs.
void addDefaults(EntityType type, std::vector<Group>& groups) {
  switch (type) {
    case EntityType::Face3d:
    case EntityType::Solid:
      if (!has(groups, 13))
        if (const Group* third = first(groups, 12)) {
          Group fourth = *third;
          fourth.code = 13;
          groups.push_back(fourth);
        }
      break;
    case EntityType::Polyline: {
      // In front, in the order a file has them: 66, 10, 70.
      std::vector<Group> missing;
      if (!has(groups, 66)) missing.push_back(intGroup(66, 1));
      if (!has(groups, 10)) {
        Group origin;
        origin.code = 10;
        origin.kind = Group::Point;
        missing.push_back(origin);
      }
      if (!has(groups, 70)) missing.push_back(intGroup(70, 0));
      groups.insert(groups.begin(), missing.begin(), missing.end());
      break;
    }
    case EntityType::Vertex:
      if (!has(groups, 70)) groups.push_back(intGroup(70, 0));
      break;
    case EntityType::LwPolyline:
      if (!has(groups, 70)) groups.insert(groups.begin(), intGroup(70, 0));
      break;
    default: break;
  }
}

// Puts the groups in the order of the entity's DXF subclasses, and for a
// LWPOLYLINE writes its vertex count (group 90) in front of its own part.
void arrange(EntityType type, std::vector<Group>& groups) {
  // "Entities follow" (66) opens the POLYLINE and INSERT parts, as files have it.
  const auto key = [type](const Group& g) {
    return subclassRank(type, g.code) * 2 + (g.code != 66);
  };
  std::stable_sort(groups.begin(), groups.end(),
                   [&key](const Group& a, const Group& b) { return key(a) < key(b); });
  if (type != EntityType::LwPolyline) return;
  std::erase_if(groups, [](const Group& g) { return g.code == 90; });
  const auto count =
      std::count_if(groups.begin(), groups.end(), [](const Group& g) { return g.code == 10; });
  auto at = std::find_if(groups.begin(), groups.end(),
                         [type](const Group& g) { return subclassRank(type, g.code) >= 1; });
  groups.insert(at, intGroup(90, count));
}

}  // namespace

int buildEntity(Database& db, Origin origin, const BuildInput& in, Entity& out) {
  const bool strict = origin == Origin::Api;
  out = Entity();
  out.type = in.type;
  out.layer = in.layer;
  thread_local std::vector<Group> groups;  // reused: no allocation per DXF entity
  groups.clear();
  for (const InGroup& g : in.groups) {
    if (isDropped(g.code)) continue;
    if (g.code == 8) {
      if (!LayerTable::validName(g.text)) {
        if (strict) return host::kErrBadLayerName;
        if (g.text.empty()) continue;  // a file's empty layer name means layer "0"
      }
      out.layer = db.layers.findOrAdd(g.text);
      continue;
    }
    Group::Kind kind;
    if (!kindOfCode(g.code, kind)) {
      if (strict) return host::kErrBadField;
      kind = Group::Text;
    }
    if (!finite(g, kind)) return host::kErrBadField;
    if (strict && g.code == 62 && (g.v[0] < 0 || g.v[0] > 256)) return host::kErrBadField;
    Group stored;
    stored.code = static_cast<int16_t>(g.code);
    stored.kind = kind;
    if (kind == Group::Text) {
      stored.text = db.strings.intern(g.text);
    } else {
      const int n = kind == Group::Point ? 3 : 1;
      for (int i = 0; i < n; ++i) stored.v[i] = kind == Group::Int ? std::trunc(g.v[i]) : g.v[i];
    }
    groups.push_back(stored);
  }
  if (strict)
    for (int code : mandatoryCodes(in.type))
      if (!has(groups, code)) return host::kErrMandatoryFieldMissing;
  addDefaults(in.type, groups);
  arrange(in.type, groups);
  out.groups.assign(groups.begin(), groups.end());  // exact capacity: entities are many
  out.handle = in.handle ? in.handle : db.newHandle();
  return 0;
}

void entityGroups(const Database& db, const Entity& e, std::vector<InGroup>& out) {
  out.clear();
  out.reserve(e.groups.size());
  for (const Group& g : e.groups) {
    InGroup i;
    i.code = g.code;
    if (g.kind == Group::Text) i.text = db.text(g);
    std::copy(std::begin(g.v), std::end(g.v), i.v);
    out.push_back(i);
  }
}

}  // namespace db
