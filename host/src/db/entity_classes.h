// The DXF subclass structure of each entity type: which part a group belongs to
// and the subclass marker (group 100) that opens each part.
#pragma once
#include "db/database.h"

namespace db {

// 0: the common AcDbEntity part, 1: the type's first subclass, 2: its second
// subclass, 3: extended data. Entities keep their groups sorted by this rank.
int subclassRank(EntityType type, int code);

// The marker written before the groups of `rank` (1 or 2), or nullptr for none.
// `flags` is group 70 of the POLYLINE itself or, for a VERTEX, of its POLYLINE;
// `vertexFlags` is the VERTEX's own group 70 (a polyface mesh holds two kinds).
const char* subclassMarker(EntityType type, int rank, int flags, int vertexFlags = 0);

}  // namespace db
