#include <cctype>

#include "db/database.h"

namespace db {

namespace {

std::string upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

}  // namespace

LayerTable::LayerTable() { findOrAdd("0"); }

int LayerTable::find(std::string_view name) const {
  auto it = byUpperName_.find(upper(name));
  return it == byUpperName_.end() ? -1 : static_cast<int>(it->second);
}

uint32_t LayerTable::findOrAdd(std::string_view name) {
  auto [it, added] = byUpperName_.try_emplace(upper(name), static_cast<uint32_t>(layers_.size()));
  if (added) {
    Layer layer;
    layer.name = std::string(name);
    layers_.push_back(std::move(layer));
  }
  return it->second;
}

bool LayerTable::validName(std::string_view name) {
  if (name.empty() || name.size() > 255) return false;
  for (unsigned char c : name) {
    if (c < 0x20) return false;
    switch (c) {
      case '<':
      case '>':
      case '/':
      case '\\':
      case '"':
      case ':':
      case ';':
      case '?':
      case '*':
      case '|':
      case '=':
      case '`': return false;
      default: break;
    }
  }
  return true;
}

}  // namespace db
