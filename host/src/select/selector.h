// Gathers the entities of one selection, each once, in the order found, with
// the filter applied: the engine behind ssget's modes and the commands'
// "select objects" answers.
#pragma once
#include <cstdint>
#include <vector>

#include "db/database.h"
#include "select/filter.h"
#include "select/region.h"
#include "select/selection_sets.h"

namespace host {

class Selector {
 public:
  Selector(const db::Database& db, const SelectionFilter& filter);

  // Every main entity not erased; with `includeFrozen` those on frozen layers too.
  void all(bool includeFrozen);
  // Entities entirely inside the area, or (crossing) with any part inside it.
  void area(const geo::Area& a, bool crossing);
  void fence(const std::vector<geo::Vec2>& line);
  // The entity under a world point; false when there is none.
  bool pick(const geo::Vec3& p, double tolerance);
  // One entity by index (entity names given to a command or picked).
  bool add(size_t index);
  // The last main entity that can be seen.
  bool last();
  void names(const std::vector<EntName>& names);

  size_t count() const { return found_.size(); }
  const std::vector<uint32_t>& found() const { return found_; }

 private:
  bool eligible(size_t index, bool includeFrozen) const;
  void take(size_t index);

  const db::Database& db_;
  const SelectionFilter& filter_;
  std::vector<char> frozen_;  // per layer
  std::vector<char> taken_;   // per entity, allocated on first use
  std::vector<uint32_t> found_;
};

}  // namespace host
