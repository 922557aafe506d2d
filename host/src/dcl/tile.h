// A tile of a loaded dialog, with its prototypes resolved: a built-in type,
// its attributes and its children.
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "dcl/parse_tree.h"

namespace dcl {

struct Tile {
  std::string type;
  std::map<std::string, Value, std::less<>> attributes;
  std::vector<Tile> children;

  const Value* attribute(std::string_view name) const;
  std::string text(std::string_view name) const;  // "" when missing
  bool flag(std::string_view name) const;         // the value true
  std::string key() const { return text("key"); }
};

// The tile types the host knows by themselves; every other type is a prototype.
bool isBuiltinType(std::string_view type);
bool isRadioCluster(std::string_view type);
bool isListType(std::string_view type);
bool isImageType(std::string_view type);

}  // namespace dcl
