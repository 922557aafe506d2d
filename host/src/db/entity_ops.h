// What entmake, entmod, entdel, entnext and entlast do to a database, apart
// from result buffers and entity names (host/src/api/entities.cpp).
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "db/entity_builder.h"

namespace db {

struct MakeResult {
  int error = 0;       // host ERRNO number, 0 when made
  int64_t index = -1;  // the entity made; for a SEQEND, its header; for a pending piece, the
                       // index it will have once its SEQEND commits it
};

// Makes the entities of one entmake list. A (0 . type) group starts each
// entity: one simple entity, or pieces of a complex one (a POLYLINE header and
// its VERTEX entities, an INSERT with (66 . 1) and its ATTRIB entities) up to
// the SEQEND that commits them, in one list or over several calls. Anything
// out of sequence is refused and drops the pending complex entity.
MakeResult makeEntities(Database& db, std::span<const InGroup> groups);

// entmake of a result-buffer list, table records included (a LAYER, LTYPE or
// STYLE list makes a record, which has no entity name: refused when
// `wantsName`). Entities without a layer go on `currentLayer` when it exists.
MakeResult makeFromList(Database& db, std::string_view currentLayer, const resbuf* list,
                        bool wantsName);

// entmod: changes the entity to the groups given; groups left out keep their
// values. The type and handle cannot change; the layer can.
int modifyEntity(Database& db, size_t index, std::span<const InGroup> groups);

// entdel: erases a main entity with its sub-entities, or brings them back.
int toggleErased(Database& db, size_t index);

// entnext: the next entity that is not erased, stepping into sub-entities;
// from == -1 gives the first. -1 when there is none.
int64_t nextEntity(const Database& db, int64_t from);
// entlast: the last main entity that is not erased, or -1.
int64_t lastEntity(const Database& db);

}  // namespace db
