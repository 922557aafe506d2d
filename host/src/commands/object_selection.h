// The "select objects" answers of a command: entity names, selection sets,
// picked points and the keywords Dernier/Last, Précédent/Previous, Tout/All.
#pragma once
#include <cstdint>
#include <vector>

#include "commands/command.h"
#include "select/filter.h"
#include "select/selector.h"

namespace host {

class ObjectSelection {
 public:
  explicit ObjectSelection(Document& doc);
  // Adds what the argument names; false when it names no objects at all.
  bool take(const CmdToken& t, bool echo);
  const std::vector<uint32_t>& found() const { return selector_.found(); }

 private:
  Document& doc_;
  SelectionFilter filter_;  // empty: every object
  Selector selector_;
};

}  // namespace host
