#include "base/host_errors.h"
#include "db/entity_ops.h"

namespace db {

int toggleErased(Database& db, size_t index) {
  if (isSubEntity(db.entities[index].type)) return host::kErrInvalidName;  // main entities only
  const bool erase = !db.entities[index].erased;
  const auto [first, last] = db.complexRange(index);
  for (size_t i = first; i <= last; ++i) db.entities[i].erased = erase;
  return 0;
}

int64_t nextEntity(const Database& db, int64_t from) {
  for (size_t i = static_cast<size_t>(from + 1); i < db.entities.size(); ++i)
    if (!db.entities[i].erased) return static_cast<int64_t>(i);
  return -1;
}

int64_t lastEntity(const Database& db) {
  for (size_t i = db.entities.size(); i-- > 0;) {
    const Entity& e = db.entities[i];
    if (!e.erased && !isSubEntity(e.type)) return static_cast<int64_t>(i);
  }
  return -1;
}

}  // namespace db
