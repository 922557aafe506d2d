// Table records made by entmake: a layer, a line type, a text style.
#pragma once
#include <span>
#include <string_view>

#include "db/entity_builder.h"

namespace db {

// Whether an entmake list makes a table record (its 0 group is LAYER, LTYPE or STYLE).
bool isTableRecordList(std::span<const InGroup> groups);

// Adds the record to its table. Its name (2) is required and must be free:
// an existing record is left as it is and the list refused, as names are unique
// in a table. Values left out take the defaults of a new record. Returns 0 or
// the host ERRNO number that says why the list is refused.
int makeTableRecord(Database& db, std::span<const InGroup> groups);

}  // namespace db
