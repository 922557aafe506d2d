#include "dcl/resolver.h"

#include <algorithm>

#include "dcl/dcl_error.h"

namespace dcl {
namespace {

// Prototypes used inside prototypes multiply; these bound what a hostile file
// can make the host build, and how deep the host recurses over it.
constexpr size_t kMaxTiles = 100000;
constexpr size_t kMaxDepth = 100;

size_t treeSize(const Tile& t) {
  size_t n = 1;
  for (const Tile& c : t.children) n += treeSize(c);
  return n;
}

size_t treeDepth(const Tile& t) {
  size_t d = 0;
  for (const Tile& c : t.children) d = std::max(d, treeDepth(c));
  return d + 1;
}

}  // namespace

void Resolver::add(const ParsedFile& file) {
  for (const Definition& d : file.definitions) scope_[d.name] = &d;
}

void Resolver::charge(size_t tiles, const std::string& file, int line) {
  tiles_ += tiles;
  if (tiles_ > kMaxTiles) throw DclError(file, line, "dialogue trop grand (prototypes imbriqués)");
}

const Resolver::Resolved& Resolver::resolveDefinition(const Definition& d) {
  if (auto it = done_.find(&d); it != done_.end()) return it->second;
  if (std::find(inProgress_.begin(), inProgress_.end(), &d) != inProgress_.end())
    throw DclError(d.file, d.body.line, "définition circulaire de \"" + d.name + "\"");
  if (inProgress_.size() >= kMaxDepth)
    throw DclError(d.file, d.body.line, "prototypes imbriqués trop profondément");
  inProgress_.push_back(&d);
  Resolved r;
  r.tile = resolveNode(d.body, d.file, 1);
  r.size = treeSize(r.tile);
  r.depth = treeDepth(r.tile);
  inProgress_.pop_back();
  return done_.emplace(&d, std::move(r)).first->second;
}

Tile Resolver::resolve(const Definition& d) { return resolveDefinition(d).tile; }

Tile Resolver::resolveType(const std::string& type, int line, const std::string& file,
                           size_t depth) {
  // A prototype named like a built-in type never hides it.
  if (isBuiltinType(type)) {
    charge(1, file, line);
    Tile t;
    t.type = type;
    return t;
  }
  auto it = scope_.find(type);
  if (it == scope_.end()) throw DclError(file, line, "type d'élément inconnu \"" + type + "\"");
  const Resolved& r = resolveDefinition(*it->second);
  charge(r.size, file, line);  // every use copies the whole prototype
  if (depth + r.depth - 1 > kMaxDepth) throw DclError(file, line, "imbrication trop profonde");
  return r.tile;
}

Tile Resolver::resolveNode(const TileNode& node, const std::string& file, size_t depth) {
  if (depth > kMaxDepth) throw DclError(file, node.line, "imbrication trop profonde");
  Tile t = resolveType(node.type, node.line, file, depth);
  for (const Attribute& a : node.attributes) t.attributes[a.name] = a.value;
  for (const TileNode& child : node.children)
    t.children.push_back(resolveNode(child, file, depth + 1));
  return t;
}

}  // namespace dcl
