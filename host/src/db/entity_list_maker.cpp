#include "base/host_errors.h"
#include "db/entity_ops.h"
#include "db/entity_resbuf.h"
#include "db/table_records.h"

namespace db {

MakeResult makeFromList(Database& db, std::string_view currentLayer, const resbuf* list,
                        bool wantsName) {
  const int layer = db.layers.find(std::string(currentLayer));
  if (layer >= 0) db.currentLayer = static_cast<uint32_t>(layer);
  std::vector<InGroup> groups;
  MakeResult made;
  made.error = groupsFromList(list, groups);
  if (!made.error && isTableRecordList(groups)) {
    // Records have no entity name to give back, and cannot come between the
    // pieces of a complex entity.
    made.error =
        wantsName || !db.pending.empty() ? host::kErrBadEntityType : makeTableRecord(db, groups);
    db.pending.clear();
  } else if (!made.error) {
    made = makeEntities(db, groups);
  } else {
    db.pending.clear();  // a refused list ends the complex entity being made
  }
  return made;
}

}  // namespace db
