#include "select/selector.h"

#include "db/entity_names.h"
#include "db/entity_shape.h"
#include "select/pick.h"

namespace host {

Selector::Selector(const db::Database& db, const SelectionFilter& filter)
    : db_(db), filter_(filter) {
  frozen_.resize(db.layers.size());
  for (uint32_t i = 0; i < db.layers.size(); ++i) frozen_[i] = db.layers.at(i).frozen();
}

bool Selector::eligible(size_t index, bool includeFrozen) const {
  const db::Entity& e = db_.entities[index];
  if (e.erased || !geo::isMainEntity(e)) return false;
  if (!includeFrozen && e.layer < frozen_.size() && frozen_[e.layer]) return false;
  return filter_.accepts(e);
}

void Selector::take(size_t index) {
  if (taken_.empty()) {
    // First merge: mark what a whole-drawing pass already found.
    taken_.resize(db_.entities.size());
    for (uint32_t i : found_) taken_[i] = 1;
  }
  if (taken_[index]) return;
  taken_[index] = 1;
  found_.push_back(static_cast<uint32_t>(index));
}

void Selector::all(bool includeFrozen) {
  const size_t n = db_.entities.size();
  if (found_.empty()) {
    // The common case (ssget "X" on a large drawing): nothing to merge with.
    found_.reserve(n / 2);
    for (size_t i = 0; i < n; ++i)
      if (eligible(i, includeFrozen)) found_.push_back(static_cast<uint32_t>(i));
    return;
  }
  for (size_t i = 0; i < n; ++i)
    if (eligible(i, includeFrozen)) take(i);
}

void Selector::area(const geo::Area& a, bool crossing) {
  geo::Shape shape;
  for (size_t i = 0; i < db_.entities.size(); ++i) {
    if (!eligible(i, false) || !geo::entityShape(db_, i, shape)) continue;
    if (crossing ? a.touches(shape) : a.encloses(shape)) take(i);
  }
}

void Selector::fence(const std::vector<geo::Vec2>& line) {
  geo::Shape shape;
  for (size_t i = 0; i < db_.entities.size(); ++i) {
    if (!eligible(i, false) || !geo::entityShape(db_, i, shape)) continue;
    if (geo::crossesFence(shape, line)) take(i);
  }
}

bool Selector::pick(const geo::Vec3& p, double tolerance) {
  const int64_t i = geo::pickEntity(db_, p, tolerance);
  if (i < 0 || !filter_.accepts(db_.entities[i])) return false;
  take(static_cast<size_t>(i));
  return true;
}

bool Selector::add(size_t index) {
  if (index >= db_.entities.size() || !eligible(index, false)) return false;
  take(index);
  return true;
}

bool Selector::last() {
  for (size_t i = db_.entities.size(); i-- > 0;) {
    const db::Entity& e = db_.entities[i];
    if (e.erased || !geo::isMainEntity(e)) continue;
    if (e.layer < frozen_.size() && frozen_[e.layer]) continue;
    if (!filter_.accepts(e)) return false;
    take(i);
    return true;
  }
  return false;
}

void Selector::names(const std::vector<EntName>& list) {
  for (const EntName& n : list) {
    const int64_t i = indexOfName(db_, n.data());
    if (i >= 0) add(static_cast<size_t>(i));
  }
}

}  // namespace host
