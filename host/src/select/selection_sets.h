// The open selection sets of the session, named {id, 0} so that no set name
// can be taken for an entity name ({index + 1, database serial}, serials > 0).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>

#include "db/entity_names.h"

namespace host {

struct EntNameHash {
  size_t operator()(const EntName& n) const { return std::hash<int64_t>()(n[0] * 1000003 + n[1]); }
};

// Members in the order they were added; a member appears once.
class SelectionSet {
 public:
  size_t size() const { return members_.size(); }
  const EntName& at(size_t i) const { return members_[i]; }
  bool contains(const EntName& e) const;
  bool add(const EntName& e);     // false when already a member
  bool remove(const EntName& e);  // false when not a member
  // For filling a fresh set with names known to be distinct (ssget results).
  void appendDistinct(const EntName& e) { members_.push_back(e); }
  const std::deque<EntName>& members() const { return members_; }

 private:
  void buildIndex() const;
  std::deque<EntName> members_;
  // Built on the first membership question only: sets made by ssget "X" on a
  // large drawing are mostly read by index.
  mutable std::unordered_set<EntName, EntNameHash> index_;
  mutable bool indexed_ = false;
};

class SelectionSets {
 public:
  // The host refuses more open sets than this (ERRNO 3) rather than grow without end.
  static constexpr size_t kMaxOpen = 4096;

  // A new empty set and its name; nullptr when the limit is reached.
  SelectionSet* create(int64_t name[2]);
  SelectionSet* find(const int64_t name[2]);
  // False when the name is not an open set.
  bool release(const int64_t name[2]);
  size_t openCount() const { return sets_.size(); }
  void clear();

  // The "previous" selection: the set last made by a selection, kept even
  // after that set is freed.
  void markPrevious(const int64_t name[2]);
  std::vector<EntName> previous() const;

 private:
  std::map<int64_t, std::unique_ptr<SelectionSet>> sets_;
  int64_t nextId_ = 1;
  int64_t previousId_ = 0;             // an open set, or 0
  std::vector<EntName> previousKept_;  // when that set was freed
};

// The selection sets of the running session.
SelectionSets& selectionSets();

}  // namespace host
