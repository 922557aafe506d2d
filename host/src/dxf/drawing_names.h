// Names that entities refer to (linetypes, text styles, blocks, applications):
// the writer makes a table entry for each, the reader knows which entries it
// can leave out without losing anything.
#pragma once
#include <set>
#include <string>

#include "db/database.h"

namespace dxf {

// Texts of the groups `code` of the entities that are not erased, upper-cased
// for comparison and kept as first written.
struct NameSet {
  std::set<std::string> upper;
  std::vector<std::string> names;
  void add(std::string_view name);
  bool has(std::string_view name) const;
};
NameSet usedNames(const db::Database& db, int code);

std::string upperCase(std::string_view text);

}  // namespace dxf
