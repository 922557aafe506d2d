#include "lisp/symbols.h"

namespace lisp {

std::string upperAscii(std::string_view s) {
  std::string u(s);
  for (char& c : u)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return u;
}

SymbolTable::~SymbolTable() {
  // Values may refer to objects whose release touches the environment (selection
  // sets): drop them all while every symbol still exists.
  for (Symbol& s : symbols_) s.value = Value();
}

Symbol* SymbolTable::intern(std::string_view name) {
  std::string key = upperAscii(name);
  auto it = byName_.find(key);
  if (it != byName_.end()) return it->second;
  Symbol& s = symbols_.emplace_back();
  s.name = key;
  byName_.emplace(std::move(key), &s);
  return &s;
}

Symbol* SymbolTable::find(std::string_view name) const {
  auto it = byName_.find(upperAscii(name));
  return it == byName_.end() ? nullptr : it->second;
}

}  // namespace lisp
