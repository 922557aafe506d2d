// Turns parsed definitions into tiles of built-in types: a reference to a
// prototype takes the prototype's attributes and children, then its own.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "dcl/parse_tree.h"
#include "dcl/tile.h"

namespace dcl {

class Resolver {
 public:
  // Later definitions of a name hide earlier ones, so add the base first and
  // the file itself last.
  void add(const ParsedFile& file);
  // Throws DclError for an unknown type, a circular definition or a dialog
  // grown beyond any reasonable size.
  Tile resolve(const Definition& definition);

 private:
  struct Resolved {
    Tile tile;
    size_t size = 0;   // tiles in the tree
    size_t depth = 0;  // levels of the tree
  };
  const Resolved& resolveDefinition(const Definition& definition);
  Tile resolveNode(const TileNode& node, const std::string& file, size_t depth);
  Tile resolveType(const std::string& type, int line, const std::string& file, size_t depth);
  void charge(size_t tiles, const std::string& file, int line);

  std::map<std::string, const Definition*> scope_;
  std::map<const Definition*, Resolved> done_;
  std::vector<const Definition*> inProgress_;
  size_t tiles_ = 0;
};

}  // namespace dcl
