// Entities as the result-buffer lists of entget/entmake/entmod.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "base/resbuf_list.h"
#include "db/entity_builder.h"

namespace db {

using host::RbList;
using host::RbListBuilder;

// The groups of a list as InGroups viewing its texts. Returns 0, or the host
// ERRNO number of a group whose value cannot be read (a value code, a binary chunk).
int groupsFromList(const resbuf* list, std::vector<InGroup>& out);

// Appends a group as the result buffer of its code's type; a value of another
// type than its code carries is left out.
void appendGroup(RbListBuilder& list, const Database& db, const Group& g);

// The entget list of an entity: -1 name, 0 type, 5 handle, 8 layer, then its
// groups; then, after a -3 marker, the extended data of the applications whose
// names match one of `apps` (wildcard patterns, case ignored).
RbList entityToList(const Database& db, size_t index, std::span<const std::string> apps = {});

// Bytes that a list of extended data (1001 app, groups ...) takes, as xdsize
// counts them; the host allows 16383 an entity.
size_t extendedDataSize(const resbuf* list);
inline constexpr size_t kExtendedDataMax = 16383;
// The same for the extended data an entity holds.
size_t extendedDataSize(const Database& db, const Entity& e);

}  // namespace db
