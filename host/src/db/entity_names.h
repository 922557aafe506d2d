// Entity names of a drawing: {index + 1, database serial}.
#pragma once
#include <array>
#include <cstdint>

#include "db/database.h"

namespace host {

// {index + 1, database serial} for an entity, {id, 0} for a selection set.
using EntName = std::array<int64_t, 2>;

inline EntName nameOfIndex(const db::Database& db, size_t index) {
  return {static_cast<int64_t>(index) + 1, db.serial()};
}

// Index of a name of this drawing, or -1 (another drawing's name, a set name, out of range).
inline int64_t indexOfName(const db::Database& db, const int64_t* name) {
  if (!name || name[1] != db.serial() || name[0] < 1 ||
      name[0] > static_cast<int64_t>(db.entities.size()))
    return -1;
  return name[0] - 1;
}

}  // namespace host
