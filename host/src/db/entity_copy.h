// Copying entities from one drawing database to another.
#pragma once
#include <cstdint>
#include <vector>

#include "db/database.h"

namespace db {

// Appends to `dest` the listed main entities of `src` (each with its vertices
// or attributes and end marker), in drawing order, each once. A layer that
// `dest` lacks comes with its properties; one it has keeps its own. The copies
// keep their handles, or (`newHandles`) take new ones from `dest`.
// Answers the number of main entities copied.
size_t copyEntities(const Database& src, const std::vector<uint32_t>& indexes, Database& dest,
                    bool newHandles);

}  // namespace db
