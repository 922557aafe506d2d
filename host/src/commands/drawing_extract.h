// A drawing holding some entities of another (WBLOCK / EXPORT of a selection).
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "db/database.h"

namespace host {

// Copies the header, every layer and the listed main entities (each with its
// vertices or attributes and end marker), keeping their handles.
std::unique_ptr<db::Database> extractEntities(const db::Database& src,
                                              const std::vector<uint32_t>& indexes);

}  // namespace host
