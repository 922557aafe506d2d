// The one place where a list of groups becomes an entity, for entmake/entmod
// and for the DXF reader alike.
#pragma once
#include <span>
#include <string_view>

#include "db/database.h"

namespace db {

// One group on its way into an entity. Texts are only viewed: the builder
// copies them into the database's string pool.
struct InGroup {
  int code = 0;
  std::string_view text;    // text codes
  double v[3] = {0, 0, 0};  // reals, integers (v[0]) and points
};

enum class Origin {
  Api,  // entmake/entmod: mandatory fields checked, bad values refused
  Dxf,  // a file: whatever it holds is kept, missing values take defaults
};

struct BuildInput {
  EntityType type = EntityType::Other;
  std::span<const InGroup> groups;  // without 0; 5 is ignored, 8 names the layer
  uint32_t layer = 0;               // used when there is no group 8
  uint64_t handle = 0;              // 0: a new handle
};

// Fills `out` from `in`. Returns 0, or the host ERRNO number saying why the
// groups make no entity (then the database is unchanged but for new layers).
int buildEntity(Database& db, Origin origin, const BuildInput& in, Entity& out);

// The groups of an entity as InGroups (texts viewing the pool), without -1, 0, 5, 8.
void entityGroups(const Database& db, const Entity& e, std::vector<InGroup>& out);

}  // namespace db
