#include "select/selection_sets.h"

#include "base/context.h"

#include <algorithm>

namespace host {

void SelectionSet::buildIndex() const {
  if (indexed_) return;
  index_.reserve(members_.size());
  index_.insert(members_.begin(), members_.end());
  indexed_ = true;
}

bool SelectionSet::contains(const EntName& e) const {
  buildIndex();
  return index_.count(e) != 0;
}

bool SelectionSet::add(const EntName& e) {
  buildIndex();
  if (!index_.insert(e).second) return false;
  members_.push_back(e);
  return true;
}

bool SelectionSet::remove(const EntName& e) {
  buildIndex();
  if (index_.erase(e) == 0) return false;
  // Removing the first member (the usual ssname 0 / ssdel loop) is found at once.
  members_.erase(std::find(members_.begin(), members_.end(), e));
  return true;
}

SelectionSet* SelectionSets::create(int64_t name[2]) {
  if (sets_.size() >= kMaxOpen) return nullptr;
  const int64_t id = nextId_++;
  auto& slot = sets_[id];
  slot = std::make_unique<SelectionSet>();
  name[0] = id;
  name[1] = 0;
  return slot.get();
}

SelectionSet* SelectionSets::find(const int64_t name[2]) {
  if (!name || name[1] != 0) return nullptr;
  auto it = sets_.find(name[0]);
  return it == sets_.end() ? nullptr : it->second.get();
}

bool SelectionSets::release(const int64_t name[2]) {
  if (!name || name[1] != 0) return false;
  auto it = sets_.find(name[0]);
  if (it == sets_.end()) return false;
  if (previousId_ == name[0]) {
    const auto& m = it->second->members();
    previousKept_.assign(m.begin(), m.end());
    previousId_ = 0;
  }
  sets_.erase(it);
  return true;
}

void SelectionSets::clear() {
  sets_.clear();
  previousId_ = 0;
  previousKept_.clear();
}

void SelectionSets::markPrevious(const int64_t name[2]) {
  previousId_ = name[0];
  previousKept_.clear();
}

std::vector<EntName> SelectionSets::previous() const {
  if (previousId_ != 0) {
    auto it = sets_.find(previousId_);
    if (it != sets_.end()) {
      const auto& m = it->second->members();
      return {m.begin(), m.end()};
    }
  }
  return previousKept_;
}

SelectionSets& selectionSets() { return context().state<SelectionSets>(); }

}  // namespace host
